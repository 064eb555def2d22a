// Nursing assessments: self-care (Barthel), VTE risk (Caprini, Padua), nutrition (NRS 2002, MNA-SF)
// and the Norton scale.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kBarthelFeedChoices[] = {
    {10, L"10 可独立进食"}, {5, L"5 需部分帮助"}, {0, L"0 需极大帮助或完全依赖"}};
constexpr InputChoice kBarthelBathChoices[] = {{5, L"5 准备好水后可独立完成"},
                                               {0, L"0 需他人帮助"}};
constexpr InputChoice kBarthelGroomChoices[] = {{5, L"5 可独立完成"}, {0, L"0 需他人帮助"}};
constexpr InputChoice kBarthelDressChoices[] = {
    {10, L"10 可独立完成"}, {5, L"5 需部分帮助"}, {0, L"0 需极大帮助或完全依赖"}};
constexpr InputChoice kBarthelBowelChoices[] = {
    {10, L"10 可控制大便"}, {5, L"5 偶尔失控"}, {0, L"0 完全失控"}};
constexpr InputChoice kBarthelBladderChoices[] = {
    {10, L"10 可控制小便"}, {5, L"5 偶尔失控"}, {0, L"0 完全失控"}};
constexpr InputChoice kBarthelTransferChoices[] = {
    {15, L"15 可独立完成"}, {10, L"10 需部分帮助"}, {5, L"5 需极大帮助"}, {0, L"0 完全依赖他人"}};
constexpr InputChoice kBarthelWalkChoices[] = {{15, L"15 可独立行走45 m"},
                                               {10, L"10 需部分帮助"},
                                               {5, L"5 需极大帮助或自驱轮椅"},
                                               {0, L"0 完全依赖他人"}};
constexpr InputChoice kBarthelStairsChoices[] = {
    {10, L"10 可独立上下楼梯"}, {5, L"5 需部分帮助"}, {0, L"0 需极大帮助或完全依赖"}};
constexpr InputSpec kBarthelInputs[] = {
    {"feed", L"进食", L"分", 10, count_of(kBarthelFeedChoices), kBarthelFeedChoices},
    {"bath", L"洗澡", L"分", 5, count_of(kBarthelBathChoices), kBarthelBathChoices},
    {"groom", L"修饰", L"分", 5, count_of(kBarthelGroomChoices), kBarthelGroomChoices},
    {"dress", L"穿衣", L"分", 10, count_of(kBarthelDressChoices), kBarthelDressChoices},
    {"bowel", L"控制大便", L"分", 10, count_of(kBarthelBowelChoices), kBarthelBowelChoices},
    {"bladder", L"控制小便", L"分", 10, count_of(kBarthelBladderChoices), kBarthelBladderChoices},
    {"toilet", L"如厕", L"分", 10, count_of(kBarthelDressChoices), kBarthelDressChoices},
    {"transfer", L"床椅转移", L"分", 15, count_of(kBarthelTransferChoices),
     kBarthelTransferChoices},
    {"walk", L"平地行走", L"分", 15, count_of(kBarthelWalkChoices), kBarthelWalkChoices},
    {"stairs", L"上下楼梯", L"分", 10, count_of(kBarthelStairsChoices), kBarthelStairsChoices},
};
constexpr OutputSpec kBarthelOutputs[] = {
    {"total", L"Barthel总分", L"分",
     "feed+bath+groom+dress+bowel+bladder+toilet+transfer+walk+stairs", "int"},
};
constexpr VerdictRule kBarthelRules[] = {
    {"feed<0||feed>10||mod(feed,5)!=0||bath<0||bath>5||mod(bath,5)!=0||groom<0||"
     "groom>5||mod(groom,5)!=0||dress<0||dress>10||mod(dress,5)!=0||bowel<0||"
     "bowel>10||mod(bowel,5)!=0||bladder<0||bladder>10||mod(bladder,5)!=0||"
     "toilet<0||toilet>10||mod(toilet,5)!=0||transfer<0||transfer>15||"
     "mod(transfer,5)!=0||walk<0||walk>15||mod(walk,5)!=0||stairs<0||stairs>10||"
     "mod(stairs,5)!=0",
     2, L"请核对输入：各项按所列分值选择，总分0–100分", true},
    {"total==100", 0, L"100分：无需依赖，无需他人照护"},
    {"total>=61", 1, L"61–99分：轻度依赖，少部分需他人照护"},
    {"total>=41", 2, L"41–60分：中度依赖，大部分需他人照护"},
    {"1", 2, L"≤40分：重度依赖，全部需他人照护"},
};
constexpr WorkedExample kBarthelExamples[] = {
    {L"", L"100", 0},
    {L"bath=0", L"95", 1},
    {L"feed=5 bath=0 dress=5 toilet=5 walk=10 stairs=0", L"65", 1},
    {L"feed=5 bath=0 groom=0 dress=5 toilet=5 walk=10 stairs=0", L"60", 2},
    {L"feed=5 bath=0 groom=0 dress=5 bowel=5 bladder=5 toilet=5 transfer=10 walk=10 stairs=0",
     L"45", 2},
    {L"feed=5 bath=0 groom=0 dress=5 bowel=5 bladder=5 toilet=5 transfer=10 walk=5 stairs=0", L"40",
     2},
    {L"feed=0 bath=0 groom=0 dress=0 bowel=0 bladder=0 toilet=0 transfer=0 walk=0 stairs=0", L"0",
     2},
};

constexpr InputChoice kCapriniAgeChoices[] = {
    {0, L"0 ≤40岁"}, {1, L"1 41–60岁"}, {2, L"2 61–74岁"}, {3, L"3 ≥75岁"}};
constexpr ChecklistItem kCapriniItems[] = {
    {1, L"计划小手术"},
    {1, L"近1月内大手术史"},
    {1, L"静脉曲张"},
    {1, L"炎症性肠病史"},
    {1, L"目前下肢肿胀"},
    {1, L"肥胖(BMI>25)"},
    {1, L"急性心肌梗死"},
    {1, L"充血性心衰(<1月)"},
    {1, L"脓毒症(<1月)"},
    {1, L"严重肺病含肺炎(<1月)"},
    {1, L"肺功能异常(COPD)"},
    {1, L"目前卧床的内科患者"},
    {1, L"口服避孕药或激素替代"},
    {1, L"妊娠期或产后(<1月)"},
    {1, L"不明原因死胎、反复流产≥3次、早产伴子痫前期或胎儿生长受限"},
    {2, L"关节镜手术"},
    {2, L"恶性肿瘤(现患或既往)"},
    {2, L"大手术(>45分钟)"},
    {2, L"腹腔镜手术(>45分钟)"},
    {2, L"卧床>72小时"},
    {2, L"石膏固定(<1月)"},
    {2, L"中心静脉置管"},
    {3, L"DVT/PE病史"},
    {3, L"血栓家族史"},
    {3, L"凝血因子V Leiden阳性"},
    {3, L"凝血酶原20210A阳性"},
    {3, L"血清同型半胱氨酸升高"},
    {3, L"狼疮抗凝物阳性"},
    {3, L"抗心磷脂抗体升高"},
    {3, L"肝素诱导血小板减少"},
    {3, L"其他先天或获得性易栓症"},
    {5, L"择期下肢大关节置换"},
    {5, L"髋/骨盆/下肢骨折(<1月)"},
    {5, L"脑卒中(<1月)"},
    {5, L"多发性创伤(<1月)"},
    {5, L"急性脊髓损伤瘫痪(<1月)"},
    {1, L"其他危险因素（1分）"}};
constexpr InputSpec kCapriniInputs[] = {
    {"age", L"年龄段", L"分", 0, count_of(kCapriniAgeChoices), kCapriniAgeChoices},
    checklist_input("f", L"危险因素", L"分", kCapriniItems),
};
constexpr OutputSpec kCapriniOutputs[] = {
    {"total", L"Caprini总分", L"分", "age+f", "int"},
};
constexpr VerdictRule kCapriniRules[] = {
    {"age<0||age>3||mod(age,1)!=0||f<0||f>82", 2, L"请核对输入：年龄段选0–3分，危险因素逐项勾选",
     true},
    {"total==0", 0, L"0分：VTE 极低危，早期活动"},
    {"total<=2", 1, L"1–2分：VTE 低危，建议机械预防（首选间歇充气加压）"},
    {"total<=4", 1, L"3–4分：VTE 中危，无高出血风险者药物预防，否则机械预防"},
    {"1", 2, L"≥5分：VTE 高危，无高出血风险者药物联合机械预防"},
};
constexpr WorkedExample kCapriniExamples[] = {
    {L"", L"0", 0},
    {L"age=1", L"1", 1},
    {L"age=1 f=6", L"2", 1},
    {L"age=1 f=18", L"3", 1},
    {L"age=2 f=18", L"4", 1},
    {L"age=2 f=6+18", L"5", 2},
    {L"age=3 f=17+18+23", L"10", 2},
    {L"age=2 f=6+13+32", L"9", 2},
    {L"age=3 "
     L"f=1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30+31+32+33+"
     L"34+35+36",
     L"84", 2},
    {L"f=37", L"1", 1},
    {L"age=3 f=37+15", L"5", 2},
};

constexpr ChecklistItem kPaduaItems[] = {{3, L"活动性恶性肿瘤"},
                                         {3, L"既往VTE(浅静脉血栓除外)"},
                                         {3, L"活动减少(卧床≥3天)"},
                                         {3, L"已知易栓症"},
                                         {2, L"近1月内创伤和/或手术"},
                                         {1, L"年龄≥70岁"},
                                         {1, L"心和/或呼吸衰竭"},
                                         {1, L"急性心梗和/或缺血性卒中"},
                                         {1, L"急性感染和/或风湿性疾病"},
                                         {1, L"肥胖(BMI≥30)"},
                                         {1, L"正在接受激素治疗（避孕药/激素替代）"}};
constexpr InputSpec kPaduaInputs[] = {
    checklist_input("f", L"Padua危险因素", L"分", kPaduaItems),
};
constexpr OutputSpec kPaduaOutputs[] = {
    {"total", L"Padua总分", L"分", "f", "int"},
};
constexpr VerdictRule kPaduaRules[] = {
    {"f<0||f>20", 2, L"请核对输入：逐项勾选危险因素，总分0–20分", true},
    {"total>=4", 2, L"≥4分：VTE 高危，结合出血风险考虑预防"},
    {"1", 0, L"<4分：VTE 低危（风险分层，非诊断）"},
};
constexpr WorkedExample kPaduaExamples[] = {
    {L"", L"0", 0},
    {L"f=6+7+9", L"3", 0},
    {L"f=6+7+9+10", L"4", 2},
    {L"f=5+6", L"3", 0},
    {L"f=1", L"3", 0},
    {L"f=1+6", L"4", 2},
    {L"f=1+2+3+4+5+6+7+8+9+10+11", L"20", 2},
};

constexpr InputChoice kNrs2002NutrChoices[] = {{0, L"0 营养状态正常"},
                                               {1, L"1 轻度(3月内降重>5%等)"},
                                               {2, L"2 中度(2月内降重>5%等)"},
                                               {3, L"3 重度(1月内降重>5%等)"}};
constexpr InputChoice kNrs2002DisChoices[] = {{0, L"0 营养需要量正常"},
                                              {1, L"1 轻度(髋骨折/慢性病并发症)"},
                                              {2, L"2 中度(腹部大手术/卒中等)"},
                                              {3, L"3 重度(颅脑损伤/ICU等)"}};
constexpr InputSpec kNrs2002Inputs[] = {
    {"nutr", L"营养状况受损", L"分", 0, count_of(kNrs2002NutrChoices), kNrs2002NutrChoices},
    {"dis", L"疾病严重程度", L"分", 0, count_of(kNrs2002DisChoices), kNrs2002DisChoices},
    number_input("age", L"年龄", L"岁", 40, 18, 125),
};
constexpr OutputSpec kNrs2002Outputs[] = {
    {"agep", L"年龄加分", L"分", "age>=70", "int"},
    {"total", L"NRS2002总分", L"分", "nutr+dis+agep", "int"},
};
constexpr VerdictRule kNrs2002Rules[] = {
    {"age<18||nutr<0||nutr>3||mod(nutr,1)!=0||dis<0||dis>3||mod(dis,1)!=0", 2,
     L"请核对输入：年龄≥18岁，两项评分各0–3分", true},
    {"total>=3", 1, L"≥3分：存在营养风险，需制定营养支持计划"},
    {"1", 0, L"<3分：暂无营养风险，住院期间每周复筛"},
};
constexpr WorkedExample kNrs2002Examples[] = {
    {L"", L"0|0", 0},
    {L"nutr=1 dis=1 age=69", L"0|2", 0},
    {L"nutr=1 dis=1 age=70", L"1|3", 1},
    {L"nutr=2 dis=1 age=45", L"0|3", 1},
    {L"nutr=0 dis=2 age=69.5", L"0|2", 0},
    {L"nutr=3 dis=3 age=82", L"1|7", 1},
    {L"age=16", L"--|--", 2, L"请核对输入：年龄应在 18–125 岁"},
    {L"age=121", L"1|1", 0},
    {L"age=126", L"--|--", 2, L"请核对输入：年龄应在 18–125 岁"},
};

constexpr InputChoice kNortonPhysChoices[] = {
    {4, L"4 良好"}, {3, L"3 一般"}, {2, L"2 差"}, {1, L"1 极差"}};
constexpr InputChoice kNortonMentChoices[] = {
    {4, L"4 清醒"}, {3, L"3 淡漠"}, {2, L"2 混乱"}, {1, L"1 木僵/昏迷"}};
constexpr InputChoice kNortonActChoices[] = {
    {4, L"4 可自行走动"}, {3, L"3 需协助行走"}, {2, L"2 依赖轮椅"}, {1, L"1 卧床"}};
constexpr InputChoice kNortonMobChoices[] = {
    {4, L"4 活动自如"}, {3, L"3 轻度受限"}, {2, L"2 严重受限"}, {1, L"1 不能活动"}};
constexpr InputChoice kNortonIncChoices[] = {
    {4, L"4 无失禁"}, {3, L"3 偶有失禁"}, {2, L"2 经常失禁(多为尿)"}, {1, L"1 大小便失禁"}};
constexpr InputSpec kNortonInputs[] = {
    {"phys", L"身体状况", L"分", 4, count_of(kNortonPhysChoices), kNortonPhysChoices},
    {"ment", L"精神状况", L"分", 4, count_of(kNortonMentChoices), kNortonMentChoices},
    {"act", L"活动能力", L"分", 4, count_of(kNortonActChoices), kNortonActChoices},
    {"mob", L"灵活程度", L"分", 4, count_of(kNortonMobChoices), kNortonMobChoices},
    {"inc", L"失禁情况", L"分", 4, count_of(kNortonIncChoices), kNortonIncChoices},
};
constexpr OutputSpec kNortonOutputs[] = {
    {"total", L"Norton总分", L"分", "phys+ment+act+mob+inc", "int"},
};
constexpr VerdictRule kNortonRules[] = {
    {"phys<1||phys>4||ment<1||ment>4||act<1||act>4||mob<1||mob>4||inc<1||inc>4||"
     "mod(phys,1)+mod(ment,1)+mod(act,1)+mod(mob,1)+mod(inc,1)!=0",
     2, L"请核对输入：五项各1–4分，总分5–20分", true},
    {"total>=15", 0, L"≥15分：压力性损伤风险较低，定期复评"},
    {"total>=13", 1, L"13–14分：有压力性损伤风险，建议采取预防措施"},
    {"1", 2, L"≤12分：压力性损伤高风险，建议加强预防措施"},
};
constexpr WorkedExample kNortonExamples[] = {
    {L"", L"20", 0},
    {L"phys=3 ment=3 act=3 mob=3 inc=3", L"15", 0},
    {L"phys=2 ment=3 act=3 mob=3 inc=3", L"14", 1},
    {L"phys=2 ment=3 act=2 mob=3 inc=3", L"13", 1},
    {L"phys=2 ment=3 act=2 mob=2 inc=3", L"12", 2},
    {L"phys=1 ment=1 act=1 mob=1 inc=1", L"5", 2},
};

constexpr InputChoice kMnaSfFoodChoices[] = {
    {2, L"2 食量无减少"}, {1, L"1 食量中度减少"}, {0, L"0 食量严重减少"}};
constexpr InputChoice kMnaSfWtlChoices[] = {
    {3, L"3 体重无下降"}, {2, L"2 下降1–3 kg"}, {1, L"1 不清楚"}, {0, L"0 下降>3 kg"}};
constexpr InputChoice kMnaSfMobChoices[] = {
    {2, L"2 可以外出"}, {1, L"1 可下床但不外出"}, {0, L"0 卧床或坐轮椅"}};
constexpr InputChoice kMnaSfStressChoices[] = {{2, L"2 无"}, {0, L"0 有"}};
constexpr InputChoice kMnaSfNeuroChoices[] = {
    {2, L"2 无精神心理问题"}, {1, L"1 轻度痴呆"}, {0, L"0 严重痴呆或抑郁"}};
constexpr InputChoice kMnaSfBmiChoices[] = {{3, L"3 BMI≥23"},
                                            {2, L"2 BMI 21~<23"},
                                            {1, L"1 BMI 19~<21"},
                                            {0, L"0 BMI<19"},
                                            {-1, L"未测（按F2小腿围计分）"}};
constexpr InputChoice kMnaSfCcChoices[] = {{3, L"3 小腿围≥31 cm"}, {0, L"0 小腿围<31 cm"}};
constexpr InputSpec kMnaSfInputs[] = {
    {"food", L"A.进食减少", L"分", 2, count_of(kMnaSfFoodChoices), kMnaSfFoodChoices},
    {"wtl", L"B.体重下降", L"分", 3, count_of(kMnaSfWtlChoices), kMnaSfWtlChoices},
    {"mob", L"C.活动能力", L"分", 2, count_of(kMnaSfMobChoices), kMnaSfMobChoices},
    {"stress", L"D.应激或急病", L"分", 2, count_of(kMnaSfStressChoices), kMnaSfStressChoices},
    {"neuro", L"E.神经精神", L"分", 2, count_of(kMnaSfNeuroChoices), kMnaSfNeuroChoices},
    {"bmi", L"F1.体重指数BMI", L"分", 3, count_of(kMnaSfBmiChoices), kMnaSfBmiChoices},
    {"cc", L"F2.小腿围", L"分", 3, count_of(kMnaSfCcChoices), kMnaSfCcChoices},
};
constexpr OutputSpec kMnaSfOutputs[] = {
    {"total", L"MNA-SF总分", L"分", "food+wtl+mob+stress+neuro+(bmi<0?cc:bmi)", "int"},
};
constexpr VerdictRule kMnaSfRules[] = {
    {"food<0||food>2||wtl<0||wtl>3||mob<0||mob>2||stress!=0&&stress!=2||neuro<0||"
     "neuro>2||bmi<-1||bmi>3||cc!=0&&cc!=3||mod(food,1)+mod(wtl,1)+mod(mob,1)+"
     "mod(neuro,1)+mod(bmi,1)!=0",
     2, L"请核对输入：各项按量表分值选择，总分0–14分", true},
    {"total>=12", 0, L"12–14分：营养状况正常"},
    {"total>=8", 1, L"8–11分：有营养不良风险，建议进一步评估"},
    {"1", 2, L"0–7分：提示营养不良，建议全面营养评定"},
};
constexpr WorkedExample kMnaSfExamples[] = {
    {L"", L"14", 0},
    {L"food=1 wtl=2", L"12", 0},
    {L"food=1 wtl=1", L"11", 1},
    {L"food=1 wtl=1 mob=1 neuro=1 bmi=2", L"8", 1},
    {L"food=1 wtl=1 mob=1 neuro=1 bmi=1", L"7", 2},
    {L"bmi=0", L"11", 1},
    {L"bmi=-1 cc=0", L"11", 1},
    {L"bmi=-1 cc=3", L"14", 0},
    {L"bmi=1 cc=0", L"12", 0},
    {L"food=0 wtl=0 mob=0 stress=0 neuro=0 bmi=0", L"0", 2},
};

}  // namespace

constexpr ReassessRule kBarthelReassess[] = {
    {"1", 0, L"入院时、病情或自理能力变化时评估"},
};
extern constexpr ToolSpec kBarthelTool = with_reassessment(
    formula_tool(
        {221, L"Barthel 指数", L"日常生活活动能力（ADL）评定", L"护理评估",
         L"Barthel 指数（Mahoney & Barthel 1965）；《护理分级》WS/T 431—2013 自理能力分级",
         L"按患者近24–48小时的实际表现评分，而非潜在能力；可使用辅助器具；护理级别结合病情按 WS/T "
         L"431—2013 确定。",
         L"barthel bi adl zs rcshhdnl bszs bsezs 巴氏指数 巴塞尔指数 日常生活活动能力 日常生活能力 "
         L"自理能力 生活自理 自理 护理分级"},
        kBarthelInputs, kBarthelOutputs, kBarthelRules, kBarthelExamples),
    kBarthelReassess);

constexpr ReassessRule kCapriniReassess[] = {
    {"1", 0, L"手术后、转科、病情变化时及出院前再评估"},
};
extern constexpr ToolSpec kCapriniTool = with_reassessment(
    formula_tool(
        {222, L"Caprini VTE 风险评估", L"静脉血栓栓塞症风险评估（外科住院患者）", L"护理评估",
         L"Caprini 风险评估模型（Caprini 2005）；分层与预防建议依 ACCP 2012 "
         L"及《医院内静脉血栓栓塞症防治与管理建议》2018",
         L"用于外科住院及手术患者，病情或手术变化时复评；同一次手术只勾一种手术类型，卧床两项只勾一"
         L"项"
         L"。",
         L"caprini vte dvt pe ram fxpg jmxsssz xsfx kpln 卡普里尼 静脉血栓 血栓风险 血栓评估 "
         L"深静脉血栓 肺栓塞 静脉血栓栓塞症 外科血栓"},
        kCapriniInputs, kCapriniOutputs, kCapriniRules, kCapriniExamples),
    kCapriniReassess);

constexpr ReassessRule kPaduaReassess[] = {
    {"1", 0, L"手术后、转科、病情变化时及出院前再评估"},
};
extern constexpr ToolSpec kPaduaTool = with_reassessment(
    formula_tool({223, L"Padua 预测评分", L"静脉血栓栓塞症风险评分（内科住院患者）", L"护理评估",
                  L"Padua 预测评分（Barbar 2010，J Thromb Haemost）",
                  L"用于内科住院患者；外科手术患者请用 Caprini 评分。",
                  L"padua pps vte dvt pe ycpf pdw pdwpf 帕多瓦 静脉血栓 血栓风险 血栓评估 "
                  L"深静脉血栓 肺栓塞 内科血栓"},
                 kPaduaInputs, kPaduaOutputs, kPaduaRules, kPaduaExamples),
    kPaduaReassess);

constexpr ReassessRule kNrs2002Reassess[] = {
    {"total>=3", 0, L"制定营养支持计划，病情变化时复评"},
    {"1", 168, L"每周复筛"},
};
extern constexpr ToolSpec kNrs2002Tool = with_reassessment(
    formula_tool({224, L"NRS 2002 营养风险筛查", L"成年住院患者营养风险筛查", L"护理评估",
                  L"NRS 2002（Kondrup "
                  L"2003，ESPEN）；CSPEN《营养风险筛查2002临床应用专家共识（2018版）》",
                  L"用于成年住院患者；营养状况与疾病严重程度各取最符合的一级。",
                  L"nrs nrs2002 espen cspen yyfxsc yyfx yysc 营养风险 营养筛查 营养风险筛查 "
                  L"营养不良 营养评估"},
                 kNrs2002Inputs, kNrs2002Outputs, kNrs2002Rules, kNrs2002Examples),
    kNrs2002Reassess);

constexpr ReassessRule kNortonReassess[] = {
    {"1", 0, L"病情变化时评估"},
};
extern constexpr ToolSpec kNortonTool = with_reassessment(
    formula_tool({225, L"Norton 压力性损伤风险评估", L"压力性损伤风险评估量表", L"护理评估",
                  L"Norton 量表（Norton 1962）；《临床护理实践指南（2011版）》",
                  L"分值越低风险越高；病情变化时及时复评。",
                  L"norton nd ycfxpg yc ylxss rc 诺顿 压疮 压疮风险 压力性损伤 褥疮 皮肤评估"},
                 kNortonInputs, kNortonOutputs, kNortonRules, kNortonExamples),
    kNortonReassess);

extern constexpr ToolSpec kMnaSfTool =
    formula_tool({226, L"MNA-SF 微型营养评估简表", L"老年人营养筛查（6项，0–14分）", L"护理评估",
                  L"MNA-SF（Rubenstein 2001；Kaiser 2009）",
                  L"用于老年人营养筛查；无法测得BMI时F1选“未测”，改按F2小腿围计分。",
                  L"mna mnasf mna-sf sf wxyypgjb wxyypg yypg 微型营养评估 营养评估 营养筛查 "
                  L"营养不良 老年营养 小腿围"},
                 kMnaSfInputs, kMnaSfOutputs, kMnaSfRules, kMnaSfExamples);
