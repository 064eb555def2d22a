#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/platform.h"
#include "reports/report_run.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

const wchar_t kRosterRule[] =
    L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。";
const wchar_t kRosterTip[] =
    L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";

TEST(NurseRoster, ThreeNursesThreeDays) {
    ReportRun run = run_report(1, {{"nurses", 3}, {"days", 3}});
    EXPECT_EQ(run.report, lines({kRosterRule, L"人员：3 人；周期：3 天", L"", L"护士01：",
                                 L"  1日D 2日R 3日N ", L"护士02：", L"  1日N 2日D 3日R ",
                                 L"护士03：", L"  1日R 2日N 3日D ", L"", kRosterTip}));
    EXPECT_EQ(run.verdict, L"已生成轮转排班表，可复制到排班本或表格");
    EXPECT_EQ(run.level, 0);
    EXPECT_EQ(run_report(1, {}).report, lines({kRosterRule, L"人员：1 人；周期：1 天", L"",
                                               L"护士01：", L"  1日D ", L"", kRosterTip}));
}

TEST(NurseRoster, ClampsAndRotation) {
    struct Row {
        double nurses, days;
        const wchar_t* counts;
    };
    const Row rows[] = {{41, 32, L"人员：40 人；周期：31 天"},
                        {0, 0.9, L"人员：1 人；周期：1 天"},
                        {-2, 1e10, L"人员：1 人；周期：1 天"},
                        {1e10, kNan, L"人员：1 人；周期：1 天"},
                        {40.9, 31.9, L"人员：40 人；周期：31 天"}};
    for (const Row& row : rows) {
        ReportRun run = run_report(1, {{"nurses", row.nurses}, {"days", row.days}});
        EXPECT_NE(run.report.find(row.counts), std::wstring::npos) << row.nurses;
    }
    EXPECT_NE(run_report(1, {{"nurses", 1}, {"days", 6}})
                  .report.find(L"  1日D 2日R 3日N 4日D 5日R 6日N \r\n"),
              std::wstring::npos);
    std::wstring four = run_report(1, {{"nurses", 4}, {"days", 1}}).report;
    EXPECT_NE(four.find(L"护士01：\r\n  1日D \r\n护士02：\r\n  1日N \r\n护士03：\r\n  1日R "
                        L"\r\n护士04：\r\n  1日D \r\n"),
              std::wstring::npos);
}

TEST(NurseRoster, FullSizeAndCapacityCut) {
    std::wstring full = run_report(1, {{"nurses", 40}, {"days", 31}}, 8192).report;
    EXPECT_EQ(full.size(), 6390u);
    EXPECT_EQ(full.substr(full.size() - std::wstring(kRosterTip).size() - 2),
              std::wstring(kRosterTip) + L"\r\n");
    ReportRun cut = run_report(1, {{"nurses", 40}, {"days", 31}}, 4096);
    EXPECT_EQ(cut.report, full.substr(0, 4095));
    std::size_t last_label = cut.report.rfind(L"护士");
    EXPECT_EQ(cut.report.substr(last_label, 5), L"护士26：");
    EXPECT_EQ(cut.report.find(L"提示"), std::wstring::npos);
    EXPECT_EQ(cut.verdict, L"已生成轮转排班表，可复制到排班本或表格");
}

const wchar_t kDosingNote[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";

TEST(DosingSchedule, Examples) {
    struct Row {
        double start, interval, times;
        const wchar_t* header;
        const wchar_t* cells;
    };
    const Row rows[] = {
        {8, 8, 3, L"首剂时间 8:00，间隔 8 小时，共 3 次：",
         L"第1天 08:00  |  第1天 16:00  |  第2天 00:00"},
        {0, 0, 0, L"首剂时间 0:00，间隔 8 小时，共 1 次：", L"第1天 00:00"},
        {0, -4, 2, L"首剂时间 0:00，间隔 8 小时，共 2 次：", L"第1天 00:00  |  第1天 08:00"},
        {6, 0.25, 5, L"首剂时间 6:00，间隔 0 小时，共 5 次：",
         L"第1天 06:00  |  第1天 06:15  |  第1天 06:30  |  第1天 06:45  |  第1天 07:00"},
        {22, 6, 4, L"首剂时间 22:00，间隔 6 小时，共 4 次：",
         L"第1天 22:00  |  第2天 04:00  |  第2天 10:00  |  第2天 16:00"},
        {30, 8, 1, L"首剂时间 30:00，间隔 8 小时，共 1 次：", L"第2天 06:00"},
        {8.1, 8, 2, L"首剂时间 8:00，间隔 8 小时，共 2 次：", L"第1天 08:05  |  第1天 16:06"},
        {8.5, 8, 0.5, L"首剂时间 8:00，间隔 8 小时，共 1 次：", L"第1天 08:30"},
        {9.5, 8, 1, L"首剂时间 10:00，间隔 8 小时，共 1 次：", L"第1天 09:30"},
        {-5, 8, 1, L"首剂时间 0:00，间隔 8 小时，共 1 次：", L"第1天 00:00"},
    };
    for (const Row& row : rows) {
        ReportRun run =
            run_report(2, {{"start", row.start}, {"interval", row.interval}, {"times", row.times}});
        EXPECT_EQ(run.report, lines({row.header, row.cells, kDosingNote})) << row.start;
        EXPECT_EQ(run.verdict, L"给药时间表已生成，注意首剂与夜间给药时间");
    }
    std::wstring thirty = run_report(2, {{"times", 31}}).report;
    std::size_t cells = 0;
    for (std::size_t at = thirty.find(L"第"); at != std::wstring::npos;
         at = thirty.find(L"第", at + 1))
        ++cells;
    EXPECT_EQ(cells, 30u);
    EXPECT_NE(thirty.find(L"第10天 16:00\r\n"), std::wstring::npos);
}

// Values with no sensible time are read as the nearest ones the table's rules allow: a start
// that is NaN or -inf as midnight, an interval that is NaN or -inf as 8 hours, and anything
// larger than 1e9 hours as 1e9 hours.
TEST(DosingSchedule, NonFiniteAndHugeValues) {
    struct Row {
        double start, interval;
        const wchar_t* header;
        const wchar_t* cells;
    };
    const Row rows[] = {
        {kNan, kNan, L"首剂时间 0:00，间隔 8 小时，共 2 次：", L"第1天 00:00  |  第1天 08:00"},
        {-kInf, -kInf, L"首剂时间 0:00，间隔 8 小时，共 2 次：", L"第1天 00:00  |  第1天 08:00"},
        {kInf, 8, L"首剂时间 1000000000:00，间隔 8 小时，共 2 次：",
         L"第41666667天 16:00  |  第41666668天 00:00"},
        {0, kInf, L"首剂时间 0:00，间隔 1000000000 小时，共 2 次：",
         L"第1天 00:00  |  第41666667天 16:00"},
        {1e300, 1e300, L"首剂时间 1000000000:00，间隔 1000000000 小时，共 2 次：",
         L"第41666667天 16:00  |  第83333334天 08:00"},
    };
    for (const Row& row : rows) {
        ReportRun run =
            run_report(2, {{"start", row.start}, {"interval", row.interval}, {"times", 2}});
        EXPECT_EQ(run.report, lines({row.header, row.cells, kDosingNote})) << row.start;
    }
    std::wstring longest =
        run_report(2, {{"start", kInf}, {"interval", kInf}, {"times", 30}}).report;
    EXPECT_NE(longest.find(L"第1250000001天 00:00\r\n"), std::wstring::npos);
}

TEST(CriticalValues, Groups) {
    const wchar_t* header = L"常见检验危急值（参考，需以本院文件为准）：";
    const wchar_t* procedure =
        L"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。";
    const wchar_t* fallback = L"请查阅本院《危急值报告目录》";
    struct Row {
        double kind;
        std::wstring report;
    };
    const Row rows[] = {
        {1, lines({header, L"血钾 <2.5 或 >6.5 mmol/L", L"血钠 <120 或 >160 mmol/L",
                   L"血钙 <1.5 或 >3.5 mmol/L", L"", procedure})},
        {2.99, lines({header, L"血糖 <2.8 或 >22.2 mmol/L",
                      L"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg", L"", procedure})},
        {3, lines({header, L"白细胞 <1.0 或 >30.0 ×10^9/L",
                   L"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L", L"", procedure})},
        {4, lines({header, L"INR >4.0；纤维蛋白原 <1.0 g/L", L"D-二聚体显著升高并伴临床血栓表现",
                   L"", procedure})},
        {5, lines({header, L"血培养阳性（无菌部位）", L"脑脊液培养阳性；HIV 初筛阳性需确认", L"",
                   procedure})},
        {6, lines({header, L"肌钙蛋白明显升高（高于第 99 百分位）",
                   L"血淀粉酶/脂肪酶 >3 倍正常上限", L"", procedure})},
        {7, lines({header, fallback, L"", procedure})},
        {0, lines({header, fallback, L"", procedure})},
        {-1, lines({header, fallback, L"", procedure})},
    };
    for (const Row& row : rows) {
        ReportRun run = run_report(4, {{"kind", row.kind}});
        EXPECT_EQ(run.report, row.report) << row.kind;
        EXPECT_EQ(run.verdict, L"危急值必须闭环：报告、接收、处理、记录");
        EXPECT_EQ(run.level, 0);
    }
    EXPECT_EQ(run_report(4, {}).report, lines({header, fallback, L"", procedure}));
}

TEST(DrugCompatibility, PairsVerdictsAndLevels) {
    const wchar_t* none_verdict = L"未收录明确禁忌，仍需核对院内配伍表";
    struct Row {
        double a, b;
        const wchar_t* first_line;
        const wchar_t* verdict;
        VerdictLevel level;
    };
    const Row rows[] = {
        {9, 2, L"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙", L"禁忌：不可同瓶输注，需间隔冲管", 3},
        {1, 2, L"待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙", L"禁忌：不可同瓶输注，需间隔冲管", 3},
        {2, 1, L"待查：2 号 葡萄糖酸钙  +  1 号 头孢曲松", L"禁忌：不可同瓶输注，需间隔冲管", 3},
        {6, 3, L"待查：6 号 奥美拉唑  +  3 号 万古霉素", L"不宜同瓶，分开输注并冲管", 2},
        {3, 9, L"待查：3 号 万古霉素  +  9 号 碳酸氢钠", L"不宜同瓶，分开输注并冲管", 2},
        {10, 4, L"待查：10 号 多巴胺  +  4 号 呋塞米", L"不宜同瓶，建议分开输注", 2},
        {5, 9, L"待查：5 号 氨溴索  +  9 号 碳酸氢钠", L"不宜同瓶，建议分开输注", 2},
        {6.8, 7, L"待查：6 号 奥美拉唑  +  7 号 维生素C", L"建议分开输注", 1},
        {1, 1, L"待查：1 号 头孢曲松  +  1 号 头孢曲松", none_verdict, 0},
        {8, 2, L"待查：8 号 胰岛素  +  2 号 葡萄糖酸钙", none_verdict, 0},
        {11, 2, L"待查：11 号 头孢曲松  +  2 号 葡萄糖酸钙", none_verdict, 0},
        {0, 0, L"待查：0 号 头孢曲松  +  0 号 头孢曲松", none_verdict, 0},
        {kNan, 2, L"待查：-2147483648 号 头孢曲松  +  2 号 葡萄糖酸钙", none_verdict, 0},
    };
    for (const Row& row : rows) {
        ReportRun run = run_report(6, {{"drugA", row.a}, {"drugB", row.b}});
        EXPECT_EQ(run.report.substr(0, run.report.find(L"\r\n")), row.first_line);
        EXPECT_EQ(run.verdict, row.verdict) << row.a << " " << row.b;
        EXPECT_EQ(run.level, row.level);
    }
    EXPECT_EQ(
        run_report(6, {{"drugA", 2}, {"drugB", 9}}).report,
        lines(
            {L"待查：2 号 葡萄糖酸钙  +  9 号 碳酸氢钠", L"",
             L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索",
             L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺", L"",
             L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。"}));
    std::wstring last = run_report(6, {}).report;
    EXPECT_EQ(
        last.substr(last.rfind(L"结论")),
        L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。\r\n");
    EXPECT_NE(
        run_report(6, {{"drugA", 3}, {"drugB", 6}})
            .report.find(
                L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。\r\n"),
        std::wstring::npos);
    EXPECT_NE(
        run_report(6, {{"drugA", 4}, {"drugB", 10}})
            .report.find(L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。\r\n"),
        std::wstring::npos);
    EXPECT_NE(run_report(6, {{"drugA", 7}, {"drugB", 6}})
                  .report.find(L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。\r\n"),
              std::wstring::npos);
}

// Puts a fixed "today" in place of the clock for the life of one test.
CivilDate g_today;
CivilDate fixed_today() {
    return g_today;
}

struct FixedDate {
    PlatformOps previous;
    explicit FixedDate(CivilDate today) {
        g_today = today;
        PlatformOps ops = platform();
        ops.today = fixed_today;
        previous = platform_replace(ops);
    }
    ~FixedDate() { platform_replace(previous); }
};

const wchar_t kFollowUpContent[] =
    L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。";

TEST(FollowUpPlan, DatesAcrossBoundaries) {
    struct Row {
        CivilDate today;
        double start, gap, times;
        std::wstring report;
    };
    const Row rows[] = {
        {{2028, 2, 27},
         1,
         1,
         3,
         lines({L"随访节点（以今天为基准，起始第 1 天，间隔 1 天，共 3 次）：",
                L"第 1 次：2028-02-28", L"第 2 次：2028-02-29", L"第 3 次：2028-03-01",
                kFollowUpContent})},
        {{2027, 12, 30},
         0,
         2,
         2,
         lines({L"随访节点（以今天为基准，起始第 0 天，间隔 2 天，共 2 次）：",
                L"第 1 次：2027-12-30", L"第 2 次：2028-01-01", kFollowUpContent})},
        {{2026, 3, 2},
         -3,
         0.9,
         2,
         lines({L"随访节点（以今天为基准，起始第 -3 天，间隔 7 天，共 2 次）：",
                L"第 1 次：2026-02-27", L"第 2 次：2026-03-06", kFollowUpContent})},
        {{2100, 2, 28},
         1,
         365,
         2,
         lines({L"随访节点（以今天为基准，起始第 1 天，间隔 365 天，共 2 次）：",
                L"第 1 次：2100-03-01", L"第 2 次：2101-03-01", kFollowUpContent})},
    };
    for (const Row& row : rows) {
        FixedDate date(row.today);
        ReportRun run =
            run_report(7, {{"start", row.start}, {"gap", row.gap}, {"times", row.times}});
        EXPECT_EQ(run.report, row.report);
        EXPECT_EQ(run.verdict, L"随访计划已生成，可按日期短信提醒患者");
    }
}

TEST(FollowUpPlan, DefaultsAndClamps) {
    FixedDate date({2026, 12, 8});
    EXPECT_EQ(run_report(7, {}).report,
              lines({L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 1 次）：",
                     L"第 1 次：2026-12-08", kFollowUpContent}));
    std::wstring twenty = run_report(7, {{"times", 25}, {"gap", 0}}).report;
    EXPECT_NE(twenty.find(L"第 20 次：2027-04-20\r\n内容"), std::wstring::npos);
    EXPECT_EQ(twenty.find(L"第 21 次"), std::wstring::npos);
    std::wstring extreme = run_report(7, {{"start", kNan}, {"gap", 1e10}, {"times", 20}}).report;
    EXPECT_NE(extreme.find(L"起始第 -2147483648 天，间隔 7 天"), std::wstring::npos);
    std::wstring far =
        run_report(7, {{"start", 2147483647}, {"gap", 2147483647}, {"times", 20}}).report;
    EXPECT_NE(far.find(L"第 20 次："), std::wstring::npos);
}

TEST(InfusionCard, Lines) {
    const wchar_t* check = L"核对：药名/剂量/浓度/有效期/配伍；双人签名。";
    const wchar_t* watch = L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。";
    struct Row {
        double bed, dose, volume, gtt;
        const wchar_t* bed_line;
        const wchar_t* drug_line;
        const wchar_t* rate_line;
    };
    const Row rows[] = {
        {0, 0, 0, 0, L"床号：0", L"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
         L"滴速：0 滴/分（约 0 ml/h）"},
        {12.7, 2.5, 250, 40, L"床号：12", L"药液：医嘱药量 2.50 ，加入溶媒 250 ml",
         L"滴速：40 滴/分（约 120 ml/h）"},
        {-1, 0.125, 100.5, 33, L"床号：-1", L"药液：医嘱药量 0.12 ，加入溶媒 100 ml",
         L"滴速：33 滴/分（约 99 ml/h）"},
        {3, 1, 1, 12.5, L"床号：3", L"药液：医嘱药量 1.00 ，加入溶媒 1 ml",
         L"滴速：12 滴/分（约 38 ml/h）"},
        {kNan, kInf, -kInf, kNan, L"床号：-2147483648", L"药液：医嘱药量 inf ，加入溶媒 -inf ml",
         L"滴速：nan 滴/分（约 nan ml/h）"},
    };
    for (const Row& row : rows) {
        ReportRun run = run_report(
            10, {{"bed", row.bed}, {"dose", row.dose}, {"volume", row.volume}, {"gtt", row.gtt}});
        EXPECT_EQ(run.report,
                  lines({L"静脉输液卡", row.bed_line, row.drug_line, row.rate_line, check, watch}));
        EXPECT_EQ(run.verdict, L"输液卡已生成，双人核对后执行");
        EXPECT_EQ(run.level, 0);
    }
}

}  // namespace
