#!/usr/bin/env python3
"""Writes the object help pages data/help/<Kind><lang>.htm (English "en" and
Simplified Chinese "chs"). The pictures <Kind>.png beside them come from
qv-artwork (cmake --build build --target artwork).

    tools/gen-help-pages.py [OUTDIR]
"""
import html
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "data", "help")

R_RANGES = "0–677, 700–777, 1000–7577, 7600–7777, 10000–41077, 41100–41117, 41200–41237"
BIT_AREAS = "GI 0–3777, I 0–1777, SP 0–777, GQ 0–3777, Q 0–1777, M 0–3777, S 0–177, T 0–377, C 0–377"

T = {
    "en": {
        "lang": "en",
        "colon": ": ",
        "kind": "Object kind",
        "min": "Smallest size",
        "resize": "Resizable",
        "yes": "yes (drag the size markers)",
        "no": "no (moved only; its size follows its content)",
        "props": "Properties",
        "col": ("Field", "What it sets", "Limits and default"),
        "name_row": ("Name:", "The object's name, shown in the object label and in compiler warnings.",
                     "Free text, at most 24 characters. Default: the kind's name."),
        "reg_row": ("Register Number:", "The PLC word register whose value the object uses. "
                    "The “...” button opens the register picker (device, register type, number).",
                    "Area R only; numbers are octal: " + R_RANGES + ". Default: DEV001.R.2000."),
        "coil_row": ("Coil Number:", "The PLC coil (bit) that the object shows. "
                     "The “...” button opens the register picker.",
                     "Bit areas only, numbers octal: " + BIT_AREAS + ". Default: DEV001.M.0."),
        "fmt_title": "Value format",
        "fmt_intro": "“Float”, “Modle:” (DEC or HEX/BCD), “Signed” and “Register Count:” decide "
                     "how the register value is stored, and with it the limits of “Min:” and “Max:”:",
        "fmt_cols": ("Settings", "Value", "Min/Max range"),
        "fmt_rows": [
            ("DEC, Signed, 1 register", "signed 16-bit", "−32768 to 32767"),
            ("DEC, Signed, 2 registers", "signed 32-bit", "−2147483648 to 2147483647"),
            ("DEC, 1 register", "unsigned 16-bit", "0 to 65535"),
            ("DEC, 2 registers", "unsigned 32-bit", "0 to 4294967295"),
            ("HEX/BCD, 1 register", "BCD, 4 digits", "0 to 9999"),
            ("HEX/BCD, 2 registers", "BCD, 8 digits", "0 to 99999999"),
            ("Float (always 2 registers)", "32-bit float", "−1.0e9 to 1.0e9"),
        ],
        "fmt_note": "Changing the format re-checks Min and Max: “Error OBJ-002 : Minimum value is "
                    "not within range” or “Error OBJ-003 : Maximum value is not within range” keeps "
                    "the form open until the values fit. “Register Count:” is 1 or 2; ticking "
                    "“Float” sets it to 2.",
        "count_row": ("Register Count:", "How many consecutive registers hold the value.", "1 or 2. Default 1."),
        "float_row": ("Float", "The value is a 32-bit floating-point number in two registers.", "Default off."),
        "model_row": ("Modle:", "DEC: binary value; HEX/BCD: binary-coded decimal.", "Default DEC."),
        "signed_row": ("Signed", "DEC values with a sign (two's complement).", "Default off."),
        "minmax_row": ("Min:, Max:", "The value range (see Value format).", "Defaults 0 and 100."),
        "tips": "Tips",
        "pic": "On the panel",
    },
    "chs": {
        "lang": "zh-CN",
        "colon": "：",
        "kind": "对象类型",
        "min": "最小尺寸",
        "resize": "可改变大小",
        "yes": "是（拖动尺寸标记）",
        "no": "否（只能移动，大小由内容决定）",
        "props": "属性",
        "col": ("字段", "作用", "限制与默认值"),
        "name_row": ("名称（Name:）", "对象的名称，显示在对象标签和编译警告中。",
                     "任意文本，最多 24 个字符。默认为对象类型名。"),
        "reg_row": ("寄存器编号（Register Number:）", "对象使用其数值的 PLC 字寄存器。"
                    "“...”按钮打开寄存器选择框（设备、寄存器类型、编号）。",
                    "只能是 R 区；编号为八进制：" + R_RANGES + "。默认 DEV001.R.2000。"),
        "coil_row": ("线圈编号（Coil Number:）", "对象显示的 PLC 线圈（位）。“...”按钮打开寄存器选择框。",
                     "只能是位区，编号为八进制：" + BIT_AREAS + "。默认 DEV001.M.0。"),
        "fmt_title": "数值格式",
        "fmt_intro": "“Float”（浮点）、“Modle:”（DEC 或 HEX/BCD）、“Signed”（有符号）和"
                     "“Register Count:”（寄存器个数）决定寄存器数值的存放方式，也决定“Min:”和“Max:”的范围：",
        "fmt_cols": ("设置", "数值", "最小/最大值范围"),
        "fmt_rows": [
            ("DEC，有符号，1 个寄存器", "有符号 16 位", "−32768 至 32767"),
            ("DEC，有符号，2 个寄存器", "有符号 32 位", "−2147483648 至 2147483647"),
            ("DEC，1 个寄存器", "无符号 16 位", "0 至 65535"),
            ("DEC，2 个寄存器", "无符号 32 位", "0 至 4294967295"),
            ("HEX/BCD，1 个寄存器", "BCD 码，4 位", "0 至 9999"),
            ("HEX/BCD，2 个寄存器", "BCD 码，8 位", "0 至 99999999"),
            ("浮点（总是 2 个寄存器）", "32 位浮点数", "−1.0e9 至 1.0e9"),
        ],
        "fmt_note": "改变格式时会重新检查最小值和最大值：提示“Error OBJ-002 : Minimum value is not "
                    "within range”或“Error OBJ-003 : Maximum value is not within range”时，"
                    "属性框保持打开，直到数值合适为止。寄存器个数为 1 或 2；勾选“Float”时自动设为 2。",
        "count_row": ("寄存器个数（Register Count:）", "存放数值的连续寄存器个数。", "1 或 2，默认 1。"),
        "float_row": ("浮点（Float）", "数值是占两个寄存器的 32 位浮点数。", "默认不勾选。"),
        "model_row": ("模式（Modle:）", "DEC：二进制数值；HEX/BCD：BCD 码。", "默认 DEC。"),
        "signed_row": ("有符号（Signed）", "DEC 数值带符号（补码）。", "默认不勾选。"),
        "minmax_row": ("最小值、最大值（Min:、Max:）", "数值范围（见“数值格式”）。", "默认 0 和 100。"),
        "tips": "提示",
        "pic": "面板上的显示",
    },
}

INV = {"en": ("Inversion", "Shows the object white on black.", "Default off."),
       "chs": ("反显（Inversion）", "对象以黑底白字显示。", "默认不勾选。")}
FONT = {"en": ("Font", "Font, style and size of the text. The compiler draws the text as a picture in this font.",
               "Default: the system font, 15 pixels high."),
        "chs": ("字体（Font）", "文本的字体、样式和大小。编译时用此字体把文本画成图片。", "默认：系统字体，高 15 像素。")}

KINDS = [
    {
        "file": "StaticText", "name": {"en": "Static Text", "chs": "静态文本"},
        "min": "8 × 8", "resizable": True,
        "what": {"en": "A fixed text, such as a screen title, a label beside a value or a unit. "
                       "It never changes at run time and reads no PLC register.",
                 "chs": "固定不变的文本，例如画面标题、数值旁的标签或单位。运行时不会改变，也不读取 PLC 寄存器。"},
        "rows": lambda t, l: [
            t["name_row"],
            {"en": ("String:", "The text shown.", "At most 24 characters. Default “Static Text”."),
             "chs": ("文本（String:）", "显示的文本。", "最多 24 个字符。默认“Static Text”。")}[l],
            INV[l], FONT[l]],
        "tips": {"en": ["Pick a font size that fits the 64-pixel-high display: 12 to 16 pixels is a good size for labels.",
                        "Every character used is added to the panel's font; very long texts are cut at 255 characters by the compiler."],
                 "chs": ["字体大小要适合 64 像素高的显示屏：标签用 12 至 16 像素较合适。",
                         "用到的每个字符都会加入面板字库；超过 255 个字符的文本在编译时会被截断。"]},
    },
    {
        "file": "DynamicText", "name": {"en": "Dynamic Text", "chs": "动态文本"},
        "min": "8 × 8", "resizable": True,
        "what": {"en": "One of a list of texts, chosen by the value of a PLC register: value 0 shows the first "
                       "text, value 1 the second, and so on. Typical use: the state of a machine (“Stopped”, "
                       "“Running”, “Fault”).",
                 "chs": "根据 PLC 寄存器的数值从一组文本中选一条显示：数值 0 显示第一条，数值 1 显示第二条，依此类推。"
                        "典型用途：设备状态（“停止”、“运行”、“故障”）。"},
        "rows": lambda t, l: [
            t["name_row"], t["reg_row"],
            {"en": ("Value / Content grid", "The text for each register value, from value 0 down.",
                    "Values 0 to 253. The rows must be filled without gaps: a text after an empty row gives "
                    "“Error OBJ-004: Row %d is invalid, please reinput it”. Default: one text “Dynamic Text”."),
             "chs": ("数值 / 内容表格（Value / Content）", "每个寄存器数值对应的文本，从数值 0 开始往下填。",
                     "数值 0 至 253。各行必须连续填写：空行之后再有文本时提示"
                     "“Error OBJ-004: Row %d is invalid, please reinput it”。默认只有一条“Dynamic Text”。")}[l],
            {"en": ("Modle:", "How the register value is read: DEC (binary) or HEX/BCD.", "Default DEC."),
             "chs": ("模式（Modle:）", "寄存器数值的读法：DEC（二进制）或 HEX/BCD。", "默认 DEC。")}[l],
            INV[l], FONT[l]],
        "tips": {"en": ["Make the object wide enough for the longest text of the list."],
                 "chs": ["对象宽度要能容纳表格中最长的文本。"]},
    },
    {
        "file": "StaticBitmap", "name": {"en": "Static Bitmap", "chs": "静态位图"},
        "min": "16 × 16", "resizable": True,
        "what": {"en": "A picture: a symbol from the bitmap library (arrows, valves, fans, batteries, ...) or a "
                       "BMP file of the project. The panel shows it in black and white.",
                 "chs": "一幅图片：位图库中的符号（箭头、阀门、风扇、电池等）或工程自己的 BMP 文件。面板以黑白显示。"},
        "rows": lambda t, l: [
            t["name_row"],
            {"en": ("Bitmap:", "The picture file; the “...” button opens the bitmap manager.",
                    "A library picture (folder BMP_Files) or a picture of the project. Default: the arrow "
                    "“arrow_16_16_RIGHT.bmp”."),
             "chs": ("位图（Bitmap:）", "图片文件；“...”按钮打开位图管理器。",
                     "位图库中的图片（BMP_Files 文件夹）或工程的图片。默认为箭头“arrow_16_16_RIGHT.bmp”。")}[l],
            {"en": ("Lock Aspect Ratio", "Scales the picture to the object keeping its proportions.", "Default off."),
             "chs": ("保持纵横比（Lock Aspect Ratio）", "缩放图片时保持其比例。", "默认不勾选。")}[l],
            {"en": ("Stretch to Fit", "Scales the picture to fill the object.", "Default off: the picture keeps its size."),
             "chs": ("拉伸适应（Stretch to Fit）", "缩放图片以填满对象。", "默认不勾选：图片保持原大小。")}[l],
            {"en": ("Black color Inversion", "Swaps black and white.", "Default off."),
             "chs": ("黑白反转（Black color Inversion）", "黑白互换。", "默认不勾选。")}[l]],
        "tips": {"en": ["Pictures with few colours convert best; a picture that cannot be read is reported by the compiler "
                        "and the object stays an empty black box.",
                        "In the bitmap manager, “Add to project” copies a BMP file into the project: it is saved inside "
                        "the project package and travels with it. “Export All” and “Export One” copy the project's "
                        "pictures out again; the pictures of the System library are installed with the program."],
                 "chs": ["颜色少的图片转换效果最好；无法读取的图片会在编译时给出警告，对象显示为黑色方框。",
                         "在位图管理器中，“添加到工程”把 BMP 文件复制到工程中：它随工程包一起保存和传递。"
                         "“全部导出”和“导出一个”把工程的图片再复制出来；“系统”库的图片随程序安装。"]},
    },
    {
        "file": "BarMeter", "name": {"en": "Bar Meter", "chs": "棒图"},
        "min": "8 × 8", "resizable": True,
        "what": {"en": "A bar whose length follows a register value between Min and Max: a tank level, a speed, a load.",
                 "chs": "长度随寄存器数值在最小值与最大值之间变化的棒条：液位、速度、负荷等。"},
        "meter": True,
        "rows": lambda t, l: [
            t["name_row"], t["reg_row"], t["count_row"], t["float_row"], t["model_row"], t["signed_row"],
            {"en": ("Point:", "Decimal places of a float value.", "0 to 5 (shown only with “Float”). Default 0."),
             "chs": ("小数位（Point:）", "浮点数值的小数位数。", "0 至 5（只在勾选“Float”时显示）。默认 0。")}[l],
            t["minmax_row"],
            {"en": ("Stytle: UP, DOWN, RIGHT, LEFT", "The direction in which the bar grows.", "Default UP."),
             "chs": ("方向（Stytle: UP、DOWN、RIGHT、LEFT）", "棒条增长的方向。", "默认 UP（向上）。")}[l]],
        "tips": {"en": ["A value below Min shows an empty bar, a value above Max a full one."],
                 "chs": ["数值低于最小值时棒条为空，高于最大值时为满。"]},
    },
    {
        "file": "TrendMeter", "name": {"en": "Trend Meter", "chs": "趋势图"},
        "min": "16 × 16", "resizable": True,
        "what": {"en": "A curve of the recent values of a register: the panel samples the register at a fixed "
                       "interval and draws the last samples between Min (bottom) and Max (top).",
                 "chs": "寄存器近期数值的曲线：面板按固定间隔采样寄存器，在最小值（底部）和最大值（顶部）之间画出最近的采样点。"},
        "meter": True,
        "rows": lambda t, l: [
            t["name_row"], t["reg_row"], t["count_row"], t["float_row"], t["model_row"], t["signed_row"],
            {"en": ("Point:", "Decimal places of a float value.", "0 to 5 (shown only with “Float”). Default 0."),
             "chs": ("小数位（Point:）", "浮点数值的小数位数。", "0 至 5（只在勾选“Float”时显示）。默认 0。")}[l],
            t["minmax_row"],
            {"en": ("Data Point:", "How many samples the curve shows.",
                    "2 to the object's width in pixels minus 2; otherwise “Error OBJ-007 : Data Point is invalid”. Default 20."),
             "chs": ("采样点数（Data Point:）", "曲线显示的采样点个数。",
                     "2 至（对象宽度像素数 − 2）；超出时提示“Error OBJ-007 : Data Point is invalid”。默认 20。")}[l],
            {"en": ("Interval:", "Time between two samples.", "1 to 6000. Default 5."),
             "chs": ("间隔（Interval:）", "两次采样之间的时间。", "1 至 6000。默认 5。")}[l]],
        "tips": {"en": ["Data points times interval is the time span of the curve."],
                 "chs": ["采样点数乘以间隔就是曲线覆盖的时间长度。"]},
    },
    {
        "file": "IndicatorLight", "name": {"en": "Indicator Light", "chs": "指示灯"},
        "min": "16 × 16", "resizable": False,
        "what": {"en": "A lamp that shows the state of a PLC coil: filled when the coil is on, empty when it is off.",
                 "chs": "显示 PLC 线圈状态的指示灯：线圈接通时为实心，断开时为空心。"},
        "rows": lambda t, l: [
            t["name_row"], t["coil_row"],
            {"en": ("Inversion", "Filled when the coil is off.", "Default off."),
             "chs": ("反显（Inversion）", "线圈断开时为实心。", "默认不勾选。")}[l],
            {"en": ("Double", "A lamp of 32 × 32 pixels instead of 16 × 16.", "Default on."),
             "chs": ("双倍（Double）", "指示灯为 32 × 32 像素，而不是 16 × 16。", "默认勾选。")}[l],
            {"en": ("Stytle: CIRCLE, RECTANGLE", "The lamp's shape.", "Default CIRCLE."),
             "chs": ("形状（Stytle: CIRCLE、RECTANGLE）", "指示灯的形状：圆形或矩形。", "默认 CIRCLE（圆形）。")}[l]],
        "tips": {"en": ["Only bit areas are offered in the picker; area R is not."],
                 "chs": ["寄存器选择框中只提供位区，不提供 R 区。"]},
    },
    {
        "file": "Numeric", "name": {"en": "Numeric", "chs": "数值"},
        "min": "8 × 16", "resizable": False,
        "what": {"en": "The value of a register shown as a number, optionally entered on the panel with the keys "
                       "(“Set”), checked against Min and Max (“Range”).",
                 "chs": "以数字显示寄存器的数值；可选择在面板上用按键输入（“Set”），并按最小值和最大值检查（“Range”）。"},
        "meter": True,
        "rows": lambda t, l: [
            t["name_row"], t["reg_row"], t["count_row"], t["float_row"], t["model_row"], t["signed_row"],
            t["minmax_row"],
            {"en": ("Digit:", "Number of digits shown.", "1 to 10. Default 5."),
             "chs": ("位数（Digit:）", "显示的数字位数。", "1 至 10。默认 5。")}[l],
            {"en": ("Point:", "Digits after the decimal point.",
                    "0 to 10, never more than Digit (equal is allowed); otherwise "
                    "“Error OBJ-005 : Point value must be less than digit value”. Default 0."),
             "chs": ("小数位（Point:）", "小数点后的位数。",
                     "0 至 10，不能大于位数（可以相等）；否则提示“Error OBJ-005 : Point value must be less than digit value”。默认 0。")}[l],
            {"en": ("Set", "The operator may enter a new value on the panel.", "Default off."),
             "chs": ("设定（Set）", "操作员可在面板上输入新数值。", "默认不勾选。")}[l],
            {"en": ("Encrypt", "The value is entered hidden (for passwords and codes).", "Default off."),
             "chs": ("加密（Encrypt）", "输入时不显示数值（用于密码和代码）。", "默认不勾选。")}[l],
            {"en": ("Range", "An entered value must lie between Min and Max.", "Default off."),
             "chs": ("范围（Range）", "输入的数值必须在最小值和最大值之间。", "默认不勾选。")}[l],
            {"en": ("Double", "Characters of double height.", "Default off."),
             "chs": ("双倍（Double）", "字符高度加倍。", "默认不勾选。")}[l],
            INV[l],
            {"en": ("Leading '0'", "Fills the unused digits with zeros (00750).", "Default off."),
             "chs": ("前导零（Leading '0'）", "未用的位以 0 填充（00750）。", "默认不勾选。")}[l]],
        "tips": {"en": ["With Digit 5 and Point 1 the register value 750 reads 75.0."],
                 "chs": ["位数为 5、小数位为 1 时，寄存器数值 750 显示为 75.0。"]},
    },
    {
        "file": "String", "name": {"en": "String", "chs": "字符串"},
        "min": "8 × 16", "resizable": False,
        "what": {"en": "Characters stored in PLC registers, two per register: a batch name, a recipe or an operator message.",
                 "chs": "存放在 PLC 寄存器中的字符，每个寄存器两个字符：批号、配方名或操作提示。"},
        "rows": lambda t, l: [
            t["name_row"], t["reg_row"],
            {"en": ("Register Count:", "How many consecutive registers hold the text.", "1 to 12. Default 1."),
             "chs": ("寄存器个数（Register Count:）", "存放文本的连续寄存器个数。", "1 至 12。默认 1。")}[l],
            {"en": ("String Count:", "How many characters are shown.",
                    "1 to 2 × Register Count; otherwise “Error OBJ-008 : The value is not within range”. Default 2."),
             "chs": ("字符个数（String Count:）", "显示的字符个数。",
                     "1 至 2 × 寄存器个数；否则提示“Error OBJ-008 : The value is not within range”。默认 2。")}[l],
            {"en": ("Double", "Characters of double height.", "Default off."),
             "chs": ("双倍（Double）", "字符高度加倍。", "默认不勾选。")}[l],
            INV[l]],
        "tips": {"en": ["Four registers hold eight characters: Register Count 4, String Count 8."],
                 "chs": ["4 个寄存器可存 8 个字符：寄存器个数 4，字符个数 8。"]},
    },
]

STYLE = """body { font-family: sans-serif; font-size: 10pt; margin: 6px; }
h1 { font-size: 14pt; margin-bottom: 2px; }
h2 { font-size: 11pt; margin-top: 12px; margin-bottom: 4px; }
th { background-color: #dde3ea; text-align: left; }
td, th { padding: 3px; vertical-align: top; }
p.small { color: #555555; }"""


def e(s):
    return html.escape(s, quote=False)


def table(cols, rows):
    out = ['<table border="1" cellspacing="0" cellpadding="3" width="100%">',
           "<tr>" + "".join("<th>%s</th>" % e(c) for c in cols) + "</tr>"]
    for r in rows:
        out.append("<tr>" + "".join("<td>%s</td>" % e(c) for c in r) + "</tr>")
    out.append("</table>")
    return "\n".join(out)


def page(kind, lang):
    t = T[lang]
    name = kind["name"][lang]
    parts = ['<!DOCTYPE html>', '<html lang="%s">' % t["lang"], "<head>",
             '<meta charset="utf-8">', "<title>%s</title>" % e(name),
             "<style>\n%s\n</style>" % STYLE, "</head>", "<body>",
             "<h1>%s</h1>" % e(name),
             "<p>%s</p>" % e(kind["what"][lang]),
             '<p><img src="%s.png" alt="%s"></p>' % (kind["file"], e(t["pic"] + ": " + name)),
             "<p class=\"small\">%s%s%s &nbsp; %s%s%s</p>" % (
                 e(t["min"]), t["colon"], e(kind["min"] + (" px" if lang == "en" else " 像素")),
                 e(t["resize"]), t["colon"], e(t["yes"] if kind["resizable"] else t["no"])),
             "<h2>%s</h2>" % e(t["props"]),
             table(t["col"], kind["rows"](t, lang))]
    if kind.get("meter"):
        parts += ["<h2>%s</h2>" % e(t["fmt_title"]), "<p>%s</p>" % e(t["fmt_intro"]),
                  table(t["fmt_cols"], t["fmt_rows"]), "<p>%s</p>" % e(t["fmt_note"])]
    parts += ["<h2>%s</h2>" % e(t["tips"]), "<ul>"]
    parts += ["<li>%s</li>" % e(tip) for tip in kind["tips"][lang]]
    parts += ["</ul>", "</body>", "</html>", ""]
    return "\n".join(parts)


def main():
    os.makedirs(OUT, exist_ok=True)
    for kind in KINDS:
        for lang in ("en", "chs"):
            path = os.path.join(OUT, "%s%s.htm" % (kind["file"], lang))
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(page(kind, lang))


if __name__ == "__main__":
    main()
