// Sodium, water and acid-base calculations, and kidney function (eGFR equations, Schwartz, KDIGO
// AKI stages).
#include "catalogue/catalogue_tools.h"

namespace {

// Calculated osmolality as 2 Na + glucose + urea (no potassium), as Clin Biochem Rev 2016
// recommends, rather than the 2 (Na + K) form with its 280–310 range.
constexpr InputSpec kOsmolalityInputs[] = {
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("glu", L"血糖", L"mmol/L", 5.0, 0.1, 160),
    number_input("urea", L"尿素", L"mmol/L", 5.0, 0.1, 150),
    optional_number_input("osm_meas", L"实测渗透压(未测填0)", L"mOsm/kg", 0, 170, 700),
};
constexpr OutputSpec kOsmolalityOutputs[] = {
    {"osm_calc", L"计算渗透压", L"mOsm/kg", "2*na+glu+urea", "f1"},
    {"gap", L"渗透压间隙", L"mOsm/kg", "osm_meas>0?osm_meas-osm_calc:0", "f1"},
};
constexpr VerdictRule kOsmolalityRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"osm_meas>0&&fixed(gap,1)>10", 2, L"渗透压间隙>10，提示存在未测渗透物（如甲醇、乙二醇）"},
    {"fixed(osm_calc,1)>295", 1, L"计算渗透压>295，高渗状态"},
    {"fixed(osm_calc,1)<275", 1, L"计算渗透压<275，低渗状态"},
    {"1", 0, L"计算渗透压在275–295参考范围内"},
};
constexpr WorkedExample kOsmolalityExamples[] = {
    {L"", L"290.0|0.0", 0},
    {L"na=144 glu=5 urea=2", L"295.0|0.0", 0},
    {L"na=144 glu=5 urea=2.1", L"295.1|0.0", 1},
    {L"na=135 glu=4 urea=1", L"275.0|0.0", 0},
    {L"na=135 glu=4 urea=0.9", L"274.9|0.0", 1},
    {L"osm_meas=300", L"290.0|10.0", 0},
    {L"urea=4.9 osm_meas=300", L"289.9|10.1", 2},
    {L"na=150 glu=40 urea=15", L"355.0|0.0", 1},
    {L"osm_meas=150", L"--|--", 2, L"请核对输入：实测渗透压(未测填0)应在 170–700 mOsm/kg"},
    {L"na=79", L"--|--", 2, L"请核对输入：血钠应在 80–260 mmol/L"},
};

constexpr InputSpec kCorrectedSodiumInputs[] = {
    number_input("na", L"实测血钠", L"mmol/L", 140, 80, 260),
    number_input("glu", L"血糖", L"mmol/L", 5.0, 0.1, 160),
};
constexpr OutputSpec kCorrectedSodiumOutputs[] = {
    {"na_katz", L"Katz校正血钠", L"mmol/L", "na+1.6*max(glu-5.6,0)/5.6", "f1"},
    {"na_hillier", L"Hillier校正血钠", L"mmol/L", "na+2.4*max(glu-5.6,0)/5.6", "f1"},
};
constexpr VerdictRule kCorrectedSodiumRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(na_katz,1)>145", 1, L"两种校正血钠均>145，提示高钠血症（缺水）"},
    {"fixed(na_hillier,1)<125", 2, L"两种校正血钠均<125，重度低钠血症"},
    {"fixed(na_hillier,1)<135", 1, L"两种校正血钠均<135，提示真性低钠血症"},
    {"fixed(na_hillier,1)>145", 1, L"按Hillier校正>145，可能存在高钠血症"},
    {"fixed(na_katz,1)<135", 1, L"按Katz校正<135，可能存在低钠血症"},
    {"1", 0, L"校正血钠在135–145范围内"},
};
constexpr WorkedExample kCorrectedSodiumExamples[] = {
    {L"", L"140.0|140.0", 0},
    {L"na=130 glu=30", L"137.0|140.5", 0},
    {L"na=125 glu=25", L"130.5|133.3", 1},
    {L"na=131.9 glu=12.6", L"133.9|134.9", 1},
    {L"na=132 glu=12.6", L"134.0|135.0", 1},
    {L"na=132.9 glu=12.6", L"134.9|135.9", 1},
    {L"na=133 glu=12.6", L"135.0|136.0", 0},
    {L"na=143 glu=12.6", L"145.0|146.0", 1},
    {L"na=143.1 glu=12.6", L"145.1|146.1", 1},
    {L"na=120 glu=12.6", L"122.0|123.0", 2},
    {L"na=138 glu=4", L"138.0|138.0", 0},
    {L"glu=0.3", L"140.0|140.0", 0},
    {L"na=261", L"--|--", 2, L"请核对输入：实测血钠应在 80–260 mmol/L"},
};

// The body-water fractions of the free water and the sodium deficits.
constexpr InputChoice kBodyWaterGroupChoices[] = {{1, L"成年男性(0.6)"},
                                                  {2, L"成年女性(0.5)"},
                                                  {3, L"老年男性(0.5)"},
                                                  {4, L"老年女性(0.45)"},
                                                  {5, L"儿童(0.6)"}};
// Deficit = total body water × (Na / 140 - 1), the Adrogué-Madias form, rather than the
// (Na - 142) × kg × 4 ml rule.
constexpr InputSpec kFreeWaterDeficitInputs[] = {
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("weight", L"体重", L"kg", 70, 0.2, 650),
    {"grp", L"人群（体液系数）", L"", 1, count_of(kBodyWaterGroupChoices), kBodyWaterGroupChoices},
};
constexpr OutputSpec kFreeWaterDeficitOutputs[] = {
    {"tbw", L"总体液量", L"L", "(grp==1?0.6:(grp==2?0.5:(grp==3?0.5:(grp==4?0.45:0.6))))*weight",
     "f1"},
    {"fwd", L"游离水缺失", L"L", "max(tbw*(na/140-1),0)", "f1"},
};
constexpr VerdictRule kFreeWaterDeficitRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"na>145", 1, L"高钠血症：按缺水量补水，血钠每24 h下降≤10 mmol/L"},
    {"na<135", 1, L"血钠<135为低钠，不存在游离水缺失"},
    {"1", 0, L"血钠135–145，无明显游离水缺失"},
};
constexpr WorkedExample kFreeWaterDeficitExamples[] = {
    {L"", L"42.0|0.0", 0},
    {L"na=160 weight=60 grp=4", L"27.0|3.9", 1},
    {L"na=145", L"42.0|1.5", 0},
    {L"na=145.1", L"42.0|1.5", 1},
    {L"na=135", L"42.0|0.0", 0},
    {L"na=134.9", L"42.0|0.0", 1},
    {L"na=150 weight=20 grp=5", L"12.0|0.9", 1},
    {L"na=155 weight=65 grp=2", L"32.5|3.5", 1},
    {L"weight=0.5", L"0.3|0.0", 0},
    {L"weight=0.1", L"--|--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr InputChoice kSodiumInfusateInfChoices[] = {{513, L"3%氯化钠"},
                                                     {154, L"0.9%氯化钠"},
                                                     {130, L"乳酸林格液"},
                                                     {77, L"0.45%氯化钠"},
                                                     {0, L"5%葡萄糖"}};
// Starts at a hyponatraemia with 3% saline, so that every output applies at the defaults.
constexpr InputSpec kSodiumInfusateInputs[] = {
    number_input("na", L"血钠", L"mmol/L", 125, 80, 260),
    number_input("weight", L"体重", L"kg", 70, 0.2, 650),
    {"grp", L"人群（体液系数）", L"", 1, count_of(kBodyWaterGroupChoices), kBodyWaterGroupChoices},
    {"inf", L"输注液体（含钠）", L"mmol/L", 513, count_of(kSodiumInfusateInfChoices),
     kSodiumInfusateInfChoices},
    number_input("inf_k", L"液体中加钾", L"mmol/L", 0, 0, 200),
    number_input("target", L"24 h目标变化量", L"mmol/L", 8, 0, 30),
};
// A sodium of 135–145 needs no correction: the volume and its rate do not apply. The rate says
// so itself rather than leaning on the not-applicable value passing through its arithmetic.
constexpr OutputSpec kSodiumInfusateOutputs[] = {
    {"tbw", L"总体液量", L"L", "(grp==1?0.6:(grp==2?0.5:(grp==3?0.5:(grp==4?0.45:0.6))))*weight",
     "f1"},
    {"dna", L"每升液体血钠变化", L"mmol/L", "(inf+inf_k-na)/(tbw+1)", "f2"},
    {"vol", L"达目标所需液量", L"L",
     "(na>=135&&na<=145)?na():(fixed(dna,2)==0?0:target/max(abs(dna),0.005))", "f2"},
    {"rate", L"24 h匀速输注速度", L"ml/h", "(na>=135&&na<=145)?na():vol*1000/24", "f0"},
};
constexpr VerdictRule kSodiumInfusateRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"na>=135&&na<=145", 0, L"血钠在正常范围，无需纠正"},
    {"fixed(dna,2)==0", 1, L"该液体对血钠几乎无影响，请换用其他液体"},
    {"na<135&&fixed(dna,2)<0", 2, L"所选液体会使低钠进一步下降"},
    {"na>145&&fixed(dna,2)>0", 2, L"所选液体会使高钠进一步升高"},
    {"fixed(vol,2)>3", 2, L"所需液量过大：该液体不宜用于纠正，请重新选择液体并复查血钠"},
    {"target>10", 2, L"24 h目标变化>10 mmol/L，超出安全上限"},
    {"na<135&&target>8", 1, L"目标>8 mmol/L/24 h：渗透性脱髓鞘高危者应≤8"},
    {"na<135", 1, L"纠正低钠：分次输注并密切复查血钠"},
    {"na>145", 1, L"纠正高钠：按估算量输注并密切复查血钠"},
    {"1", 0, L"血钠正常，结果仅供参考"},
};
constexpr WorkedExample kSodiumInfusateExamples[] = {
    {L"", L"42.0|9.02|0.89|37", 1},
    {L"na=112 weight=60 grp=2 inf=513", L"30.0|12.94|0.62|26", 1},
    {L"na=160 weight=70 grp=4 inf=0 target=10", L"31.5|-4.92|2.03|85", 1},
    {L"na=140 inf=154", L"42.0|0.33|--|--", 0},
    {L"na=135 inf=154", L"42.0|0.44|--|--", 0},
    {L"na=134.9 inf=513", L"42.0|8.79|0.91|38", 1},
    {L"na=145 inf=0", L"42.0|-3.37|--|--", 0},
    {L"na=145.1 inf=0", L"42.0|-3.37|2.37|99", 1},
    {L"na=130 inf=130", L"42.0|0.00|0.00|0", 1},
    {L"na=120 inf=0", L"42.0|-2.79|2.87|119", 2},
    {L"na=150 inf=513", L"42.0|8.44|0.95|39", 2},
    {L"na=120 inf=154 weight=60 grp=1", L"36.0|0.92|8.71|363", 2},
    {L"na=120 inf=154 target=2.37", L"42.0|0.79|3.00|125", 1},
    {L"na=120 inf=154 target=2.38", L"42.0|0.79|3.01|125", 2},
    {L"na=120 inf=513 target=8", L"42.0|9.14|0.88|36", 1},
    {L"na=120 inf=513 target=8.1", L"42.0|9.14|0.89|37", 1},
    {L"na=120 inf=513 target=10", L"42.0|9.14|1.09|46", 1},
    {L"na=120 inf=513 target=10.1", L"42.0|9.14|1.11|46", 2},
    {L"na=120 inf=154 inf_k=20", L"42.0|1.26|6.37|265", 2},
    {L"na=120 target=40", L"--|--|--|--", 2, L"请核对输入：24 h目标变化量应在 0–30 mmol/L"},
    {L"weight=0.1", L"--|--|--|--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr InputChoice kFenaDiuChoices[] = {{0, L"近期未用利尿剂"}, {1, L"正在用利尿剂"}};
constexpr InputSpec kFenaInputs[] = {
    number_input("u_na", L"尿钠", L"mmol/L", 100, 0, 600),
    number_input("p_na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("u_cr", L"尿肌酐", L"µmol/L", 10000, 100, 60000),
    number_input("p_cr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("u_urea", L"尿尿素", L"mmol/L", 300, 1, 1500),
    number_input("p_urea", L"血尿素", L"mmol/L", 5.0, 0.1, 150),
    {"diu", L"利尿剂", L"", 0, count_of(kFenaDiuChoices), kFenaDiuChoices},
};
constexpr OutputSpec kFenaOutputs[] = {
    {"fena", L"钠排泄分数FENa", L"%", "u_na*p_cr/(p_na*u_cr)*100", "f2"},
    {"feurea", L"尿素排泄分数FEUrea", L"%", "u_urea*p_cr/(p_urea*u_cr)*100", "f1"},
};
constexpr VerdictRule kFenaRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"diu==1&&fixed(feurea,1)<=35", 1, L"用利尿剂：FEUrea≤35%，若为AKI提示肾前性"},
    {"diu==1&&fixed(feurea,1)>50", 2, L"用利尿剂：FEUrea>50%，若为AKI提示肾性（ATN）"},
    {"diu==1", 1, L"用利尿剂：FEUrea 35–50%，难以区分，请结合临床"},
    {"fixed(fena,2)<1", 1, L"FENa<1%：若为AKI，提示肾前性"},
    {"fixed(fena,2)>2", 2, L"FENa>2%：若为AKI，提示肾性（ATN）"},
    {"1", 1, L"FENa 1–2%：难以区分，请结合临床"},
};
constexpr WorkedExample kFenaExamples[] = {
    {L"", L"0.57|48.0", 1},
    {L"u_na=60 p_na=135 u_cr=3000 p_cr=400 u_urea=100 p_urea=25", L"5.93|53.3", 2},
    {L"u_na=35 p_cr=200 u_cr=5000 u_urea=250 p_urea=20", L"1.00|50.0", 1},
    {L"u_na=34.6 p_cr=200 u_cr=5000 u_urea=250 p_urea=20", L"0.99|50.0", 1},
    {L"u_na=70 p_cr=200 u_cr=5000 u_urea=250 p_urea=20", L"2.00|50.0", 1},
    {L"u_na=70.4 p_cr=200 u_cr=5000 u_urea=250 p_urea=20", L"2.01|50.0", 2},
    {L"diu=1 u_na=70.4 p_cr=200 u_cr=5000 u_urea=175 p_urea=20", L"2.01|35.0", 1},
    {L"diu=1 p_cr=200 u_cr=5000 u_urea=175.5 p_urea=20", L"2.86|35.1", 1},
    {L"diu=1 p_cr=200 u_cr=5000 u_urea=250 p_urea=20", L"2.86|50.0", 1},
    {L"diu=1 p_cr=200 u_cr=5000 u_urea=250.5 p_urea=20", L"2.86|50.1", 2},
    {L"u_cr=50", L"--|--", 2, L"请核对输入：尿肌酐应在 100–60000 µmol/L"},
    {L"p_na=79", L"--|--", 2, L"请核对输入：血钠应在 80–260 mmol/L"},
};

constexpr InputSpec kWinterInputs[] = {
    number_input("hco3", L"碳酸氢根HCO3-", L"mmol/L", 24, 1, 80),
    number_input("paco2", L"实测PaCO2", L"mmHg", 40, 5, 300),
};
constexpr OutputSpec kWinterOutputs[] = {
    {"pexp", L"预期PaCO2", L"mmHg", "1.5*hco3+8", "f1"},
    {"plo", L"预期下限", L"mmHg", "1.5*hco3+6", "f1"},
    {"phi", L"预期上限", L"mmHg", "1.5*hco3+10", "f1"},
};
constexpr VerdictRule kWinterRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"hco3>=22", 0, L"HCO3≥22未降低，Winter公式仅用于代谢性酸中毒"},
    {"paco2<fixed(plo,1)", 2, L"PaCO2低于预期：合并呼吸性碱中毒"},
    {"paco2>fixed(phi,1)", 2, L"PaCO2高于预期：合并呼吸性酸中毒"},
    {"1", 1, L"PaCO2在预期范围：代谢性酸中毒，呼吸代偿适当"},
};
constexpr WorkedExample kWinterExamples[] = {
    {L"", L"44.0|42.0|46.0", 0},
    {L"hco3=12 paco2=24", L"26.0|24.0|28.0", 1},
    {L"hco3=12 paco2=23.9", L"26.0|24.0|28.0", 2},
    {L"hco3=12 paco2=28", L"26.0|24.0|28.0", 1},
    {L"hco3=12 paco2=28.1", L"26.0|24.0|28.0", 2},
    // secondary-source example (tools.gera.services: HCO3 12 → 26, 24–28; PaCO2 34 too high)
    {L"hco3=12 paco2=34", L"26.0|24.0|28.0", 2},
    {L"hco3=22 paco2=30", L"41.0|39.0|43.0", 0},
    {L"hco3=21.8 paco2=40", L"40.7|38.7|42.7", 1},
    {L"hco3=8 paco2=16", L"20.0|18.0|22.0", 2},
    {L"hco3=1 paco2=20", L"9.5|7.5|11.5", 2},
    {L"hco3=0.5 paco2=20", L"--|--|--", 2, L"请核对输入：碳酸氢根HCO3-应在 1–80 mmol/L"},
};

// Starts at a lowered bicarbonate, where the ratio applies.
constexpr InputSpec kDeltaRatioInputs[] = {
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("cl", L"血氯", L"mmol/L", 104, 30, 250),
    number_input("hco3", L"碳酸氢根HCO3-", L"mmol/L", 16, 1, 80),
};
constexpr OutputSpec kDeltaRatioOutputs[] = {
    {"ag", L"阴离子间隙AG", L"mmol/L", "na-cl-hco3", "f1"},
    {"dag", L"ΔAG", L"mmol/L", "ag-12", "f1"},
    {"dhco3", L"ΔHCO3", L"mmol/L", "24-hco3", "f1"},
    // Without a fall in bicarbonate there is no ratio to show.
    {"ratio", L"Δ比值", L"", "hco3>=24?na():(ag-12)/max(24-hco3,0.01)", "f2"},
};
constexpr VerdictRule kDeltaRatioRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"hco3>=24", 0, L"HCO3≥24，无碳酸氢根下降，Δ比值不适用"},
    {"fixed(ag,1)<=12", 1, L"AG未升高，Δ比值不适用；如有酸中毒属正常AG型"},
    {"fixed(ratio,2)<0.4", 2, L"Δ比值<0.4：以高氯性正常AG酸中毒为主"},
    {"fixed(ratio,2)<0.8", 2, L"Δ比值0.4–0.8：高AG与正常AG酸中毒可能并存"},
    {"fixed(ratio,2)<=2", 1, L"Δ比值0.8–2.0：单纯高AG代谢性酸中毒"},
    {"1", 2, L"Δ比值>2：合并代谢性碱中毒或原有代偿性呼酸"},
};
constexpr WorkedExample kDeltaRatioExamples[] = {
    {L"", L"20.0|8.0|8.0|1.00", 1},
    {L"hco3=24", L"12.0|0.0|0.0|--", 0},
    // secondary-source example (calculatorcove: Na 140, Cl 104, HCO3 16 → AG 20, ratio 1.0)
    {L"cl=104 hco3=16", L"20.0|8.0|8.0|1.00", 1},
    {L"cl=110 hco3=14", L"16.0|4.0|10.0|0.40", 2},
    {L"cl=110.1 hco3=14", L"15.9|3.9|10.0|0.39", 2},
    {L"cl=106 hco3=14", L"20.0|8.0|10.0|0.80", 1},
    {L"cl=106.1 hco3=14", L"19.9|7.9|10.0|0.79", 2},
    {L"cl=99 hco3=19", L"22.0|10.0|5.0|2.00", 1},
    {L"cl=98.9 hco3=19", L"22.1|10.1|5.0|2.02", 2},
    {L"cl=110 hco3=18", L"12.0|0.0|6.0|0.00", 1},
    {L"cl=104 hco3=24.5", L"11.5|-0.5|-0.5|--", 0},
    // A chloride of 50 mmol/L is extreme but possible: the ratio is computed.
    {L"cl=50 hco3=16", L"74.0|62.0|8.0|7.75", 2},
    {L"cl=104 hco3=23.9", L"12.1|0.1|0.1|1.00", 1},
    // MedCalc-Bench v1.0 row 748：原显示0.00
    {L"na=139 cl=104 hco3=28.2", L"6.8|-5.2|-4.2|--", 0},
    {L"cl=29", L"--|--|--|--", 2, L"请核对输入：血氯应在 30–250 mmol/L"},
};

// Bicarbonate space of half the body weight (Garella 1973), rather than the 0.4 or base-excess
// forms.
constexpr InputSpec kBicarbonateDeficitInputs[] = {
    number_input("weight", L"体重", L"kg", 70, 0.2, 650),
    number_input("hco3", L"实测HCO3-", L"mmol/L", 24, 1, 80),
    number_input("target", L"目标HCO3-", L"mmol/L", 24, 10, 40),
};
constexpr OutputSpec kBicarbonateDeficitOutputs[] = {
    {"deficit", L"HCO3-缺失量", L"mmol", "0.5*weight*max(target-hco3,0)", "f0"},
    {"vol5", L"折合5%碳酸氢钠", L"ml", "deficit*84.01/50", "f0"},
};
constexpr VerdictRule kBicarbonateDeficitRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"hco3>=target", 0, L"实测HCO3不低于目标值，无需按公式补碱"},
    {"1", 1, L"为估算总缺失量：宜分次补给并复查血气"},
};
constexpr WorkedExample kBicarbonateDeficitExamples[] = {
    {L"", L"0|0", 0},
    {L"hco3=14", L"350|588", 1},
    {L"weight=54 hco3=12", L"324|544", 1},
    {L"weight=60 hco3=23.9", L"3|5", 1},
    {L"weight=60 hco3=24", L"0|0", 0},
    {L"weight=60 hco3=10 target=18", L"240|403", 1},
    {L"hco3=30", L"0|0", 0},
    {L"target=8 hco3=5", L"--|--", 2, L"请核对输入：目标HCO3-应在 10–40 mmol/L"},
    {L"hco3=0.5", L"--|--", 2, L"请核对输入：实测HCO3-应在 1–80 mmol/L"},
};

constexpr InputSpec kEgfrChineseMdrdInputs[] = {
    number_input("scr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kEgfrChineseMdrdOutputs[] = {
    {"egfr", L"eGFR", L"ml/min/1.73m²", "175*pow(scr/88.4,-1.234)*pow(age,-0.179)*(sex==2?0.79:1)",
     "f0"},
};
// Above 150 the value lies beyond the data the equation was derived from.
constexpr VerdictRule kEgfrChineseMdrdRules[] = {
    // The equation is for adults.
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"fixed(egfr,0)>150", 1, L"超出方程适用范围，结果仅供参考"},
    {"fixed(egfr,0)<15", 2, L"G5期：eGFR<15，肾衰竭"},
    {"fixed(egfr,0)<30", 2, L"G4期：eGFR 15–29，重度下降"},
    {"fixed(egfr,0)<45", 2, L"G3b期：eGFR 30–44，中至重度下降"},
    {"fixed(egfr,0)<60", 1, L"G3a期：eGFR 45–59，轻至中度下降"},
    {"fixed(egfr,0)<90", 1, L"G2期：eGFR 60–89，轻度下降，需结合肾损伤标志"},
    {"1", 0, L"G1期：eGFR≥90，正常或升高（无肾损伤标志不诊断CKD）"},
};
constexpr WorkedExample kEgfrChineseMdrdExamples[] = {
    {L"", L"102", 0},
    {L"scr=88.4 age=60", L"84", 1},
    {L"scr=88.4 age=60 sex=2", L"66", 1},
    {L"scr=84 age=60", L"90", 0},
    {L"scr=85 age=60", L"88", 1},
    {L"scr=117 age=60", L"60", 1},
    {L"scr=118 age=60", L"59", 1},
    {L"scr=148 age=60", L"45", 1},
    {L"scr=149 age=60", L"44", 2},
    {L"scr=206 age=60", L"30", 2},
    {L"scr=207 age=60", L"29", 2},
    {L"scr=367 age=60", L"15", 2},
    {L"scr=368 age=60", L"14", 2},
    {L"age=17", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
    {L"scr=58.5 age=40", L"150", 0},
    {L"scr=58.4 age=40", L"151", 1},
    {L"scr=20 age=18", L"653", 1},
    {L"scr=9.9", L"--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

constexpr InputSpec kEgfrCreatinineCystatinInputs[] = {
    number_input("scr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("cys", L"血清胱抑素C", L"mg/L", 0.8, 0.2, 12),
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kEgfrCreatinineCystatinOutputs[] = {
    {"egfr", L"eGFR", L"ml/min/1.73m²",
     "135*pow(min(scr/88.4/(sex==2?0.7:0.9),1),(sex==2?-0.219:"
     "-0.144))*pow(max(scr/88.4/(sex==2?0.7:0.9),1),-0.544)*pow(min(cys/0.8,1),"
     "-0.323)*pow(max(cys/0.8,1),-0.778)*pow(0.9961,age)*(sex==2?0.963:1)",
     "f0"},
};
constexpr VerdictRule kEgfrCreatinineCystatinRules[] = {
    // The equation is for adults.
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"fixed(egfr,0)<15", 2, L"G5期：eGFR<15，肾衰竭"},
    {"fixed(egfr,0)<30", 2, L"G4期：eGFR 15–29，重度下降"},
    {"fixed(egfr,0)<45", 2, L"G3b期：eGFR 30–44，中至重度下降"},
    {"fixed(egfr,0)<60", 1, L"G3a期：eGFR 45–59，轻至中度下降"},
    {"fixed(egfr,0)<90", 1, L"G2期：eGFR 60–89，轻度下降，需结合肾损伤标志"},
    {"1", 0, L"G1期：eGFR≥90，正常或升高（无肾损伤标志不诊断CKD）"},
};
constexpr WorkedExample kEgfrCreatinineCystatinExamples[] = {
    {L"", L"115", 0},
    {L"scr=169 cys=1 age=60", L"60", 1},
    {L"scr=170 cys=1 age=60", L"59", 1},
    {L"scr=80 cys=1 age=55 sex=2", L"77", 1},
    {L"scr=80 cys=0.99 age=60", L"90", 0},
    {L"scr=80 cys=1 age=60", L"89", 1},
    {L"scr=150 cys=1.8 age=70", L"39", 2},
    {L"scr=400 cys=4 age=70", L"12", 2},
    {L"cys=0.15", L"--", 2, L"请核对输入：血清胱抑素C应在 0.2–12 mg/L"},
    {L"scr=6001", L"--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

// Age factor 0.996 per year, as the NKF publishes the 2012 equation (not 0.9962).
constexpr InputSpec kEgfrCystatinInputs[] = {
    number_input("cys", L"血清胱抑素C", L"mg/L", 0.8, 0.2, 12),
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kEgfrCystatinOutputs[] = {
    {"egfr", L"eGFR", L"ml/min/1.73m²",
     "133*pow(min(cys/0.8,1),-0.499)*pow(max(cys/0.8,1),-1.328)*pow(0.996,"
     "age)*(sex==2?0.932:1)",
     "f0"},
};
constexpr VerdictRule kEgfrCystatinRules[] = {
    // The equation is for adults.
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"fixed(egfr,0)<15", 2, L"G5期：eGFR<15，肾衰竭"},
    {"fixed(egfr,0)<30", 2, L"G4期：eGFR 15–29，重度下降"},
    {"fixed(egfr,0)<45", 2, L"G3b期：eGFR 30–44，中至重度下降"},
    {"fixed(egfr,0)<60", 1, L"G3a期：eGFR 45–59，轻至中度下降"},
    {"fixed(egfr,0)<90", 1, L"G2期：eGFR 60–89，轻度下降，需结合肾损伤标志"},
    {"1", 0, L"G1期：eGFR≥90，正常或升高（无肾损伤标志不诊断CKD）"},
};
constexpr WorkedExample kEgfrCystatinExamples[] = {
    {L"", L"113", 0},
    {L"cys=1.22 age=60", L"60", 1},
    {L"cys=1.23 age=60", L"59", 1},
    {L"cys=1.52 age=60", L"45", 1},
    {L"cys=1.53 age=60", L"44", 2},
    {L"cys=1 age=55 sex=2", L"74", 1},
    {L"cys=2.5 age=70", L"22", 2},
    {L"cys=0.6 age=30", L"136", 0},
    {L"age=15", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
    {L"cys=12.1", L"--", 2, L"请核对输入：血清胱抑素C应在 0.2–12 mg/L"},
};

constexpr InputSpec kSchwartzInputs[] = {
    number_input("height", L"身高", L"cm", 120, 20, 280),
    number_input("scr", L"血肌酐", L"µmol/L", 40, 10, 6000),
    number_input("age", L"年龄", L"岁", 8, 1, 18),
};
constexpr OutputSpec kSchwartzOutputs[] = {
    {"egfr", L"eGFR", L"ml/min/1.73m²", "0.413*height/(scr/88.4)", "f0"},
};
constexpr VerdictRule kSchwartzRules[] = {
    // The bedside equation is for children and adolescents.
    {"age<1||age>18", 2, L"请核对输入：年龄1–18岁", true},
    {"age<2", 1, L"2岁以下GFR随年龄生理性升高，不按G分期"},
    {"fixed(egfr,0)<15", 2, L"G5期：eGFR<15，肾衰竭"},
    {"fixed(egfr,0)<30", 2, L"G4期：eGFR 15–29，重度下降"},
    {"fixed(egfr,0)<45", 2, L"G3b期：eGFR 30–44，中至重度下降"},
    {"fixed(egfr,0)<60", 1, L"G3a期：eGFR 45–59，轻至中度下降"},
    {"fixed(egfr,0)<90", 1, L"G2期：eGFR 60–89，轻度下降，需结合肾损伤标志"},
    {"1", 0, L"G1期：eGFR≥90，正常或升高"},
};
constexpr WorkedExample kSchwartzExamples[] = {
    {L"", L"110", 0},
    // secondary-source example (doctaverse: 100 cm, Scr 0.4 mg/dL → 103); 35.4 µmol/L ≈ 0.4 mg/dL
    {L"height=100 scr=35.4", L"103", 0},
    {L"height=140 scr=85 age=10", L"60", 1},
    {L"height=140 scr=86 age=10", L"59", 1},
    {L"height=140 scr=106", L"48", 1},
    {L"height=150 scr=300", L"18", 2},
    {L"height=75 scr=30 age=1", L"91", 1},
    {L"age=0.5", L"--", 2, L"请核对输入：年龄应在 1–18 岁"},
    {L"height=281", L"--", 2, L"请核对输入：身高应在 20–280 cm"},
};

constexpr InputChoice kAkiStageTwChoices[] = {
    {1, L"48小时内"}, {2, L"48小时至7天"}, {3, L"超过7天"}};
constexpr InputSpec kAkiStageInputs[] = {
    number_input("scr_base", L"基线肌酐", L"µmol/L", 80, 10, 6000),
    number_input("scr_now", L"当前肌酐", L"µmol/L", 80, 10, 6000),
    {"tw", L"肌酐升高历时", L"", 1, count_of(kAkiStageTwChoices), kAkiStageTwChoices},
    number_input("uo", L"平均尿量", L"ml/kg/h", 1.0, 0, 20),
    number_input("uo_h", L"尿量观察时长", L"h", 6, 0, 168),
    {"rrt", L"肾脏替代治疗", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
};
constexpr OutputSpec kAkiStageOutputs[] = {
    {"ratio", L"当前/基线肌酐", L"倍", "scr_now/scr_base", "f2"},
    {"rise", L"肌酐升高值", L"µmol/L", "scr_now-scr_base", "f1"},
    {"st_cr", L"肌酐标准分期", L"期",
     "((tw==1&&fixed(rise,1)>=26.5)||(tw<=2&&fixed(ratio,2)>=1.5))?((fixed(ratio,"
     "2)>=3||scr_now>=353.6)?3:(fixed(ratio,2)>=2?2:1)):0",
     "int"},
    {"st_uo", L"尿量标准分期", L"期",
     "((uo<0.3&&uo_h>=24)||(uo==0&&uo_h>=12))?3:((uo<0.5&&uo_h>=12)?2:((uo<0.5&&"
     "uo_h>=6)?1:0))",
     "int"},
    {"stage", L"AKI分期", L"期", "max(max(st_cr,st_uo),rrt==1?3:0)", "int"},
};
constexpr VerdictRule kAkiStageRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"stage==3", 2, L"KDIGO AKI 3期"},
    {"stage==2", 2, L"KDIGO AKI 2期"},
    {"stage==1", 1, L"KDIGO AKI 1期"},
    {"tw==3&&(fixed(ratio,2)>=1.5||fixed(rise,1)>=26.5)", 1,
     L"升高超过7天，不符合AKI时间标准，请评估AKD/CKD"},
    {"1", 0, L"未达KDIGO AKI诊断标准"},
};
constexpr WorkedExample kAkiStageExamples[] = {
    {L"", L"1.00|0.0|0|0|0", 0},
    {L"scr_now=106.4", L"1.33|26.4|0|0|0", 0},
    {L"scr_now=106.5", L"1.33|26.5|1|0|1", 1},
    {L"scr_base=100 scr_now=149 tw=2", L"1.49|49.0|0|0|0", 0},
    {L"scr_base=100 scr_now=150 tw=2", L"1.50|50.0|1|0|1", 1},
    {L"scr_base=100 scr_now=199 tw=2", L"1.99|99.0|1|0|1", 1},
    {L"scr_base=100 scr_now=200 tw=2", L"2.00|100.0|2|0|2", 2},
    {L"scr_base=100 scr_now=299 tw=2", L"2.99|199.0|2|0|2", 2},
    {L"scr_base=100 scr_now=300 tw=2", L"3.00|200.0|3|0|3", 2},
    {L"scr_base=250 scr_now=353.5", L"1.41|103.5|1|0|1", 1},
    {L"scr_base=250 scr_now=353.6", L"1.41|103.6|3|0|3", 2},
    {L"uo=0.5 uo_h=6", L"1.00|0.0|0|0|0", 0},
    {L"uo=0.49 uo_h=6", L"1.00|0.0|0|1|1", 1},
    {L"uo=0.4 uo_h=11.9", L"1.00|0.0|0|1|1", 1},
    {L"uo=0.4 uo_h=12", L"1.00|0.0|0|2|2", 2},
    {L"uo=0.29 uo_h=24", L"1.00|0.0|0|3|3", 2},
    {L"uo=0.3 uo_h=24", L"1.00|0.0|0|2|2", 2},
    {L"uo=0 uo_h=12", L"1.00|0.0|0|3|3", 2},
    {L"uo=0 uo_h=11", L"1.00|0.0|0|1|1", 1},
    {L"rrt=1", L"1.00|0.0|0|0|3", 2},
    {L"scr_now=200 tw=3", L"2.50|120.0|0|0|0", 1},
    {L"scr_base=5", L"--|--|--|--|--", 2, L"请核对输入：基线肌酐应在 10–6000 µmol/L"},
    {L"uo_h=169", L"--|--|--|--|--", 2, L"请核对输入：尿量观察时长应在 0–168 h"},
};

}  // namespace

extern constexpr ToolSpec kOsmolalityTool = formula_tool(
    {241, L"血浆渗透压", L"计算渗透压 2Na+葡萄糖+尿素，渗透压间隙", L"电解质与酸碱",
     L"Smithline–Gardner 计算渗透压 2Na+葡萄糖+尿素（Clin Biochem Rev 2016 推荐）",
     L"尿素以 mmol/L 输入；渗透压间隙需同一标本的实测渗透压，饮酒（乙醇）也会使间隙增大。",
     L"osm osmolality osmolal gap xjsty 渗透压 渗透压间隙 血渗透压 高渗 低渗"},
    kOsmolalityInputs, kOsmolalityOutputs, kOsmolalityRules, kOsmolalityExamples);

extern constexpr ToolSpec kCorrectedSodiumTool =
    formula_tool({242, L"校正血钠", L"高血糖时血钠校正（Katz/Hillier）", L"电解质与酸碱",
                  L"Katz 1973（每5.6 mmol/L 葡萄糖 1.6）；Hillier 1999（2.4）",
                  L"仅校正血糖>5.6 mmol/L 部分；Hillier 发现血糖>22.2 mmol/L "
                  L"时血钠下降更多，两值差异大时以临床为准。",
                  L"corrected sodium na katz hillier jzxn 血钠校正 高血糖 假性低钠 稀释性低钠"},
                 kCorrectedSodiumInputs, kCorrectedSodiumOutputs, kCorrectedSodiumRules,
                 kCorrectedSodiumExamples);

extern constexpr ToolSpec kFreeWaterDeficitTool =
    formula_tool({243, L"游离水缺失", L"高钠血症的游离水缺失量", L"电解质与酸碱",
                  L"Adrogué & Madias, NEJM 2000；缺水量 = TBW×(Na/140−1)",
                  L"结果不含持续丢失与不显性失水；慢性高钠血症每24小时血钠下降不超过10 mmol/L。",
                  L"free water deficit fwd tbw ylsqs 缺水量 补水量 高钠血症 总体液量"},
                 kFreeWaterDeficitInputs, kFreeWaterDeficitOutputs, kFreeWaterDeficitRules,
                 kFreeWaterDeficitExamples);

extern constexpr ToolSpec kSodiumInfusateTool = formula_tool(
    {244, L"补钠量（Adrogué–Madias）", L"每升输液对血钠的影响及所需液量", L"电解质与酸碱",
     L"Adrogué & Madias, NEJM 2000 输液公式（每升液体的血钠变化）",
     L"预测值仅对输入1 L严格成立，按比例外推为近似；所需液量>3 "
     L"L提示该液体不宜用于纠正；未计尿量等持续"
     L"丢失，需密切复查血钠并调整。",
     L"adrogue madias sodium infusate bnl 补钠 低钠血症 高钠血症 3%氯化钠 输液 血钠变化"},
    kSodiumInfusateInputs, kSodiumInfusateOutputs, kSodiumInfusateRules, kSodiumInfusateExamples);

extern constexpr ToolSpec kFenaTool =
    formula_tool({245, L"钠排泄分数 FENa", L"FENa/FEUrea 鉴别肾前性与肾性AKI", L"电解质与酸碱",
                  L"Espinel 1976、Miller 1978（FENa）；Carvounis 2002（FEUrea）",
                  L"血尿标本同时采集，尿、血肌酐须用同一单位；仅用于急性肾损伤时鉴别肾前性与肾性。",
                  L"fena feurea feun fractional excretion npxfs 钠排泄分数 尿素排泄分数 肾前性 "
                  L"急性肾小管坏死 atn"},
                 kFenaInputs, kFenaOutputs, kFenaRules, kFenaExamples);

extern constexpr ToolSpec kWinterTool =
    formula_tool({246, L"Winter 公式", L"代谢性酸中毒的预期PaCO2", L"电解质与酸碱",
                  L"Albert、Dell、Winters, Ann Intern Med 1967（Winter 公式）",
                  L"仅用于原发性代谢性酸中毒；PaCO2 若以 kPa 报告，乘以 7.5 换算为 mmHg。",
                  L"winters winter paco2 compensation gs 预期二氧化碳分压 代偿 代谢性酸中毒 "
                  L"呼吸性碱中毒 呼吸性酸中毒"},
                 kWinterInputs, kWinterOutputs, kWinterRules, kWinterExamples);

extern constexpr ToolSpec kDeltaRatioTool = formula_tool(
    {247, L"Delta 比值", L"ΔAG/ΔHCO3 判断混合性代谢紊乱", L"电解质与酸碱",
     L"Δ比值分级（LITFL/Brandis，AG 正常值12、HCO3 正常值24）",
     L"低白蛋白血症会低估AG，宜先校正；仅在高阴离子间隙代谢性酸中毒时解读；HCO3≥24时Δ比值显示“--”"
     L"（不适用）。",
     L"delta ratio delta gap anion gap ag bz 阴离子间隙 混合性酸碱失衡 高氯性酸中毒 代谢性碱中毒"},
    kDeltaRatioInputs, kDeltaRatioOutputs, kDeltaRatioRules, kDeltaRatioExamples);

extern constexpr ToolSpec kBicarbonateDeficitTool = formula_tool(
    {248, L"碳酸氢盐缺失", L"代谢性酸中毒补碱量估算", L"电解质与酸碱",
     L"Garella 等, NEJM 1973（碳酸氢盐分布容积约为体重50%）",
     L"重度酸中毒时分布容积远大于50%；结果为总缺失量，宜先给一部分并复查血气后再定。",
     L"bicarbonate deficit hco3 sodium bicarbonate tsqyqs 补碱 碳酸氢钠 5%碳酸氢钠 代谢性酸中毒"},
    kBicarbonateDeficitInputs, kBicarbonateDeficitOutputs, kBicarbonateDeficitRules,
    kBicarbonateDeficitExamples);

extern constexpr ToolSpec kEgfrChineseMdrdTool =
    formula_tool({249, L"eGFR 中国改良MDRD", L"Ma 2006 中国慢性肾脏病患者 eGFR 方程", L"肾功能",
                  L"Ma YC 等, J Am Soc Nephrol 2006 中国改良MDRD方程",
                  L"适用于病情稳定的成人慢性肾脏病；急性肾损伤、肌肉量极端者不适用。",
                  L"egfr mdrd chinese ma 2006 zggl 中国改良 肾小球滤过率 慢性肾脏病 ckd 肌酐"},
                 kEgfrChineseMdrdInputs, kEgfrChineseMdrdOutputs, kEgfrChineseMdrdRules,
                 kEgfrChineseMdrdExamples);

extern constexpr ToolSpec kEgfrCreatinineCystatinTool = formula_tool(
    {250, L"eGFR CKD-EPI 肌酐-胱抑素C 2021", L"CKD-EPI 2021 肌酐+胱抑素C方程（不含种族）",
     L"肾功能", L"Inker 等, NEJM 2021 CKD-EPI 肌酐-胱抑素C方程（不含种族）",
     L"适用于≥18岁；胱抑素C应为可溯源至 ERM-DA471/IFCC 的标准化检测，肌酐为 IDMS 可溯源方法。",
     L"egfr ckd-epi 2021 cystatin creatinine race-free jggys 胱抑素C 肌酐 肾小球滤过率"},
    kEgfrCreatinineCystatinInputs, kEgfrCreatinineCystatinOutputs, kEgfrCreatinineCystatinRules,
    kEgfrCreatinineCystatinExamples);

extern constexpr ToolSpec kEgfrCystatinTool = formula_tool(
    {251, L"eGFR CKD-EPI 胱抑素C 2012", L"CKD-EPI 2012 胱抑素C方程", L"肾功能",
     L"Inker 等, NEJM 2012 CKD-EPI 胱抑素C方程",
     L"适用于≥18岁、肌肉量异常致肌酐估算不可靠时；炎症、甲状腺疾病、糖皮质激素可影响胱抑素C。年龄系"
     L"数按 NKF 公布的 0.996。",
     L"egfr ckd-epi 2012 cystatin gys 胱抑素C 肾小球滤过率"},
    kEgfrCystatinInputs, kEgfrCystatinOutputs, kEgfrCystatinRules, kEgfrCystatinExamples);

extern constexpr ToolSpec kSchwartzTool = formula_tool(
    {252, L"Schwartz 床旁公式（儿童）", L"儿童 eGFR：0.413×身高/肌酐", L"肾功能",
     L"Schwartz 等, J Am Soc Nephrol 2009 床旁公式 0.413×身高/Scr",
     L"源自1–16岁慢性肾脏病儿童（CKiD），肌酐须为酶法/IDMS 可溯源方法；旧常数0.55已不适用。",
     L"schwartz bedside ckid pediatric egfr cpgs 床旁公式 儿童 肾小球滤过率"},
    kSchwartzInputs, kSchwartzOutputs, kSchwartzRules, kSchwartzExamples);

extern constexpr ToolSpec kAkiStageTool = formula_tool(
    {253, L"KDIGO AKI 分期", L"KDIGO 2012 急性肾损伤分期", L"肾功能",
     L"KDIGO 2012 急性肾损伤指南（《中国急性肾损伤临床实践指南》2023 沿用）",
     L"按肌酐与尿量标准中较重者分期；尿量以观察期平均值简化判断，少尿须先排除梗阻和导尿管问题。",
     L"kdigo aki acute kidney injury fq jxssh 急性肾损伤 分期 肌酐 尿量 肾脏替代治疗"},
    kAkiStageInputs, kAkiStageOutputs, kAkiStageRules, kAkiStageExamples);
