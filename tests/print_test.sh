#!/usr/bin/env bash
# Prints for real under Wine: a CUPS server of this test's own (its configuration, spool and
# queue in a temporary folder) with a cups-pdf queue "PDF" as the default printer. The program
# prints through --print and through its window; the PDFs are read back with poppler: the texts
# in order, the page count, an embedded Chinese font, and no ink within 15 mm of the edges.
# Runs as root (cupsd does); needs the Windows build. PRINT_SAMPLE=path keeps the first page of
# the CHA2DS2-VASc sheet as a PNG.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
exe="$repo/build/windows/bin/sorvane.exe"
[ -f "$exe" ] || { echo "build the Windows program first"; exit 1; }
# A cupsd of the machine's own may run beside this one: the test's server has its own socket,
# which CUPS_SERVER names for every client below.
if pgrep -x cupsd >/dev/null; then
  echo "note: a cupsd of the machine runs too; this test uses its own on its own socket"
fi

work="$(mktemp -d /tmp/sorvane-print.XXXXXX)"
pdf_conf=/etc/cups/cups-pdf-sorvane.conf
cupsd_pid=""
source scripts/wine_env.sh
stop_all() {
  wine_stop
  xvfb_stop
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
    cupsd_pid=""
  fi
  rm -f "$pdf_conf"
}
trap 'stop_all; [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
chmod 755 "$work"
out="$work/pdf"
root="$work/cups"
mkdir -p "$out" "$root/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log"
chmod 1777 "$out"
chmod 755 "$root" "$work/spool" "$work/cache" "$work/state" "$work/log"
chmod 1777 "$work/spool/tmp"

cat >"$root/cups-files.conf" <<EOF
ServerRoot $root
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
FileDevice No
EOF
cat >"$root/cupsd.conf" <<EOF
LogLevel warn
Listen $work/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# The queue's own cups-pdf configuration: the URI cups-pdf:/sorvane makes cups-pdf read
# /etc/cups/cups-pdf-sorvane.conf instead of the system's cups-pdf.conf, which is left alone; the
# PDFs and the log stay in this folder, and the file goes with the test.
cat >"$pdf_conf" <<EOF
Out $out
AnonDirName $out
Log $work/log
EOF

export CUPS_SERVER="$work/cups.sock"
/usr/sbin/cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 100); do
  [ -S "$CUPS_SERVER" ] && break
  sleep 0.1
done
lpadmin -p PDF -E -v cups-pdf:/sorvane -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d PDF
lpstat -d
if [ -n "${PRINT_DEBUG:-}" ]; then echo "work: $work"; export WINEDEBUG=+winspool,+cups; fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The PDF of the next finished job, moved to $work/<name>.pdf.
wait_pdf() {
  local name="$1" file=""
  for _ in $(seq 600); do
    file="$(find "$out" -name '*.pdf' -type f | head -n 1)"
    if [ -n "$file" ] && ! lpstat -o PDF 2>/dev/null | grep -q .; then break; fi
    file=""
    sleep 0.1
  done
  [ -n "$file" ] || { fail "$name: no PDF appeared"; return 1; }
  mv "$file" "$work/$name.pdf"
}

# The texts in this order in the PDF's text, each page's texts in reading order.
check_pdf() {
  local name="$1" pages="$2"
  shift 2
  local pdf="$work/$name.pdf"
  local got
  got="$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')"
  [ "$got" = "$pages" ] || fail "$name: $got pages, expected $pages"
  pdftotext -layout -enc UTF-8 "$pdf" "$work/$name.txt"
  python3 tests/print_check.py order "$work/$name.txt" "$@" || fail "$name: texts"
  pdffonts "$pdf" >"$work/$name.fonts"
  python3 tests/print_check.py fonts "$work/$name.fonts" || fail "$name: fonts"
  pdftoppm -r 50 -gray "$pdf" "$work/$name"
  python3 tests/print_check.py margins "$work/$name"-*.pgm || fail "$name: ink in the margins"
}

# Prints through --print and says the page count; fails unless the program exits 0 and its
# report ends with PRINT|<pages>.
print_selftest() {
  local name="$1"
  shift
  local code=0
  wine "$exe" --selftest "$work/$name.txt" "$@" --print PDF </dev/null >/dev/null 2>&1 || code=$?
  local last
  last="$(tail -n 1 "$work/$name.txt" | tr -d '\r')"
  echo "${last#PRINT|}"
  [ "$code" = 0 ] && echo "$last" | grep -q '^PRINT|[0-9][0-9]*$'
}

echo "== print: the command line"
xvfb_start
wine_start

pages="$(print_selftest bmi --tool 201 weight=81)" || fail "bmi: printed $pages"
wait_pdf bmi && check_pdf bmi "$pages" "体重指数 BMI" "体格与营养" "成人体重判定" \
  "姓名＿＿＿＿＿＿" "计算时间：" "输入参数" "身高" "170" "cm" "体重" "81" "kg" "计算结果" \
  "28.0" "kg/m²" "结论【异常】肥胖（BMI ≥ 28.0）" "提示：" "参考依据：" "评估人：＿＿＿＿＿＿" \
  "第 1 页 / 共 1 页"
echo "BMI: $pages page(s)"

pages="$(print_selftest chads --tool 211 age=70 sex=2 htn=1)" || fail "chads: printed $pages"
wait_pdf chads && check_pdf chads "$pages" "CHA2DS2-VASc 评分" "房颤卒中风险" "年龄" "70" "岁" \
  "性别" "女" "充血性心衰" "否" "高血压" "是" "CHA2DS2-VASc" "3" "分" "结论【异常】" \
  "推荐口服抗凝" "评估人：" "第 1 页 / 共 1 页"
echo "CHA2DS2-VASc: $pages page(s)"
if [ -n "${PRINT_SAMPLE:-}" ] && [ -f "$work/chads.pdf" ]; then
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/chads.pdf" "${PRINT_SAMPLE%.png}"
fi

pages="$(print_selftest roster --tool 101 nurses=30 days=31)" || fail "roster: printed $pages"
wait_pdf roster && check_pdf roster "$pages" "护士排班表" "人员：30 人；周期：31 天" "护士01：" \
  "护士15：" "护士30：" "连续夜班不超过 2 个" "评估人：" "共 $pages 页"
python3 tests/print_check.py roster "$work/roster.txt" 30 31 || fail "roster: cells"
[ "${pages:-0}" -ge 2 ] || fail "roster: $pages page(s), expected more than one"
echo "roster 30 x 31: $pages page(s)"

pages="$(print_selftest infusion --tool 110 bed=12 volume=500 gtt=60)" || fail "infusion: printed $pages"
wait_pdf infusion && check_pdf infusion "$pages" "输液卡" "床号" "12" "溶媒量" "500" "ml" \
  "滴速" "60" "结论【正常】" "报告内容" "静脉输液卡" "评估人："
echo "infusion card: $pages page(s)"

pages="$(print_selftest caprini --tool 222 age=2 f=6+17+23)" || fail "caprini: printed $pages"
wait_pdf caprini && check_pdf caprini "$pages" "Caprini VTE 风险评估" "年龄段" "2 61–74岁" \
  "危险因素" "肥胖(BMI>25)（1 分）" "DVT/PE病史（3 分）" \
  "Caprini总分" "8" "结论【异常】≥5分" "评估人："
echo "Caprini (a checklist): $pages page(s)"

# The running assessment sheet: three Braden assessments of one patient (an id of this run's own),
# saved through --save, printed through --records --print: one row each, in order, with the
# checking nurse's column.
patient="PRINT-$$"
for sensory in 4 3 2; do
  wine "$exe" --selftest "$work/save.txt" --tool 216 sensory=$sensory --patient "$patient" \
    --bed 12 --name 张三 --assessor 李敏 --save </dev/null >/dev/null 2>&1 || fail "running sheet: save"
done
code=0
wine "$exe" --records "$work/sheet.txt" --tool 216 --patient "$patient" --print PDF \
  </dev/null >/dev/null 2>&1 || code=$?
pages="$(tail -n 1 "$work/sheet.txt" | tr -d '\r')"
pages="${pages#PRINT|}"
[ "$code" = 0 ] || fail "running sheet: exit code $code ($pages)"
wait_pdf sheet && check_pdf sheet "$pages" "住院患者Braden 压力性损伤评分评估单" "张三" "12" \
  "$patient" "检查者" "23" "正常" "李敏" "22" "正常" "李敏" "21" "正常" "李敏" "第 1 页 / 共 1 页"
echo "running assessment sheet: $pages page(s)"
if [ -n "${SHEET_SAMPLE:-}" ] && [ -f "$work/sheet.pdf" ]; then
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/sheet.pdf" "${SHEET_SAMPLE%.png}"
fi

code=0
wine "$exe" --selftest "$work/unknown.txt" --tool 201 --print NoSuchPrinter \
  </dev/null >/dev/null 2>&1 || code=$?
[ "$code" = 5 ] || fail "unknown printer: exit code $code"
grep -q '^PRINT|FAILED|未找到打印机：NoSuchPrinter' "$work/unknown.txt" ||
  fail "unknown printer: $(tail -n 1 "$work/unknown.txt")"

echo "== print: the window"
if ! SORVANE_PRINT_OUT="$out" GTEST_FILTER='PrintWindow.*' \
  wine "$repo/build/windows/bin/window_tests.exe" </dev/null; then
  fail "window tests"
fi
# The window test keeps the PDF of the sheet it printed.
if [ -f "$out/window_bmi.pdf" ]; then
  mv "$out/window_bmi.pdf" "$work/window.pdf"
  check_pdf window 1 "体重指数 BMI" "身高" "体重" "81" "28.0" "结论【异常】肥胖（BMI ≥ 28.0）" \
    "第 1 页 / 共 1 页"
else
  fail "window: no PDF kept"
fi

stop_all
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
if [ "$failures" -ne 0 ]; then
  echo "$failures print check(s) failed; cupsd log:"
  tail -n 20 "$work/log/error_log" 2>/dev/null || true
  exit 1
fi
echo "print tests passed"
