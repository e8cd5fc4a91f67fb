; Corvel 简体中文文本

[MSG]
The program shows the language chosen when it starts again.=程序再次启动时以所选语言显示。
The last run ended without closing project %1. Recover its working folder into %2?=上次运行结束时未关闭工程 %1。是否将其工作文件夹恢复到 %2？
Yes recovers it, No deletes the folder, Cancel asks again at the next start.=“是”恢复，“否”删除该文件夹，“取消”在下次启动时再次询问。
Project %1 has been recovered into %2=工程 %1 已恢复到 %2
These autosaved files were damaged and left out; the recovered project holds them as they were last saved:=以下自动保存的文件已损坏，未被采用；恢复的工程中保留的是它们上次保存时的内容：
Title=标题
Error GUI-004 : This file can't open=错误 GUI-004 : 无法打开此文件
The screen file can't be read:=无法读取画面文件：
Warning=警告
Error=错误
Information=信息
is not within range=不在范围内
Compiling=编译
Project data=工程数据
error(s)=个错误
warning(s)=个警告
Download runtime file=下载运行文件
Upload runtime file=上传运行文件
Get information=读取信息
Upload password error! Please redo.=上传密码错误！请重试。
Stop the operation?=停止操作？
Project data has been modified, save it?=工程数据已修改，是否保存？
Input file invalid=输入文件无效
Port invalid=端口无效
Can not download the runtim file to old version device=不能将运行文件下载到旧版本设备
The backup file %1 can't be written=无法写入备份文件 %1
is not a readable bitmap file=不是可读的位图文件
names a device that does not exist=引用的设备不存在
Alarm %1=报警 %1
characters: a text holds at most 255=个字符：文本最多 255 个字符
bytes: glyph offsets reach only 65535=字节：字模偏移最多 65535
bytes: the panel takes at most 131008, it can't be transferred=字节：面板最多接收 131008 字节，无法传送
Alarm Message=报警信息
Description=描述
Please input file path=请输入文件路径
Unknown information!Inforation is=未知信息！信息为
cannot be a project name=不能用作工程名称
already exists. Replace it when the project is saved?=已存在。保存工程时是否替换它？
already exists. Replace it?=已存在。是否替换它？
Compiler=编译
Download=下载
Upload=上传
Error GUI-003 : This device name already exists=Error GUI-003 : 此设备名称已存在
The device %1 is used by:=设备 %1 被以下各处引用：
Delete it? Its references keep the device name.=是否删除？引用保留原设备名。
Error GUI-001 : Screen No. is invaild. Input a value between 1 to 999=错误 GUI-001 : 画面编号无效。请输入 1 到 999 之间的值
Error GUI-002 : Selected Screen No. has already been used=错误 GUI-002 : 所选画面编号已被使用
Error GUI-005 : Rename Screen failed=错误 GUI-005 : 画面重命名失败
Are you sure you want to delete the screen?=确定要删除画面吗？
Error OBJ-002 : Minimum value is not within range=错误 OBJ-002 : 最小值不在范围内
Error OBJ-003 : Maximum value is not within range=错误 OBJ-003 : 最大值不在范围内
Error OBJ-004 : Row %d is invalid, please reinput it=错误 OBJ-004 : 第 %d 行无效，请重新输入
Error OBJ-005 : Point value must be less than digit value=错误 OBJ-005 : 小数位数必须小于位数
Error OBJ-007 : Data Point is invalid=错误 OBJ-007 : 数据点数无效
Error OBJ-004: Row %d is invalid, please reinput it=错误 OBJ-004: 第 %d 行无效，请重新输入
Error OBJ-008 : The value is not within range=错误 OBJ-008 : 数值不在范围内
Error Obj-001 : Register Number is invalid=错误 Obj-001 : 寄存器编号无效
Screen Name is invalid. Input a name=画面名称无效。请输入名称
Screen Name is invalid. A name can't hold / or \ or control characters=画面名称无效。名称不能包含 / 或 \ 或控制字符
Screen Name is invalid. A name can't end in a dot or a blank=画面名称无效。名称不能以点或空格结尾
All screen numbers from 1 to 999 are used. Delete a screen first=1 到 999 的画面编号已全部使用。请先删除一个画面
Copy Screen failed=复制画面失败
Paste Screen failed=粘贴画面失败
New Screen failed=新建画面失败
The register reference is invalid. Write it as device.area.number, for example %1=寄存器引用无效。请按 设备.区域.编号 的形式输入，例如 %1
The device %1 is not in the device list=设备 %1 不在设备列表中
Set Register=设置寄存器
&Coil (device.area.number):=线圈(设备.区域.编号)(&C):
&Register (device.area.number):=寄存器(设备.区域.编号)(&R):
The file is not UTF-8 text=该文件不是 UTF-8 文本
Line %1 of the file has a quote that is not closed=文件第 %1 行的引号没有闭合
The first line of an alarm list file must be coil,message=报警列表文件的第一行必须是 coil,message
The file holds more than %1 alarms=文件中的报警超过 %1 条
Row %1 (line %2 of the file) is invalid: it must hold a coil and a message=第 %1 行(文件第 %2 行)无效：必须包含一个线圈和一条信息
Row %1 (line %2 of the file) is invalid: the coil %3 is not a coil of the project=第 %1 行(文件第 %2 行)无效：线圈 %3 不是本工程的线圈
Row %1 (line %2 of the file) is invalid: its coil must be %3, the one after the row before=第 %1 行(文件第 %2 行)无效：线圈必须是 %3，即上一行之后的线圈
Row %1 (line %2 of the file) is invalid: the message must have 1 to 24 characters=第 %1 行(文件第 %2 行)无效：信息必须为 1 到 24 个字符
The file %1 can't be read=无法读取文件 %1
The file %1 can't be written=无法写入文件 %1
Import Alarm List=导入报警列表
Export Alarm List=导出报警列表
Error OBJ-006 : Please selecte a bitmap!=错误 OBJ-006 : 请选择一个位图！
Error GUI-006 : Export bitmap file failed=错误 GUI-006 : 导出位图文件失败
Exportting user bitmap file...=正在导出用户位图文件...
Are you sure you want to delete the bitmap?=确定要删除位图吗？
These objects show the bitmap:=以下对象显示该位图：
Only .bmp files can be added to the project=只能向工程添加 .bmp 文件
No hardware manual is installed.=未安装硬件手册。
The manual %1 can't be found.=找不到手册 %1。

[IDD_DLG_SCREEN_OPTION]
Title=画面选项
1050=画面信息
1051=画面编号:
1052=画面名称:
1053=上一画面编号:
1056=下一画面编号:
1057=功能键
1058=功能键(&F)...
Function Key=功能键
Description=描述
1=确定
2=取消

[IDD_DLG_SCREEN_FUN_KEY]
Title=功能键配置
1070=功能键(&K):
1072=使用密码(&P)
1073=功能
1074=设置线圈(&O)
1075=设置数据(&A)
1079=画面切换
1076=高级功能(&V)
1077=描述(13 字符)(&E):
1=确定
2=取消

[IDD_DLG_SCREEN_FUN_KEY_SETCOIL]
1101=线圈
1102=线圈编号(&C);
1103=...
1104=置位 ON
1105=复位 OFF
1106=取反 NOT
1107=瞬时 ON

[IDD_DLG_SCREEN_FUN_KEY_SETREG]
1111=寄存器
1112=寄存器编号(&R):
1113=...
1114=寄存器数量(&Q):
1115=寄存器值(&V):
1116=浮点(&F)
1117=模式:
1118=&BIN
1119=B&CD
1120=带符号(&S)

[IDD_DLG_SCREEN_FUN_KEY_SCREENCHANGE]
1131=画面编号(&N)
1132=报警列表(&L)

[IDD_DLG_SCREEN_FUN_KEY_ADVANCEDFUN]
1141=设备名称(&N):
1142=运行 &RUN
1143=停止 S&TOP

[IDD_DLG_SCREEN_NEW]
Title=新建画面
1001=新画面信息
1002=画面编号(&N):
1003=画面名称(&A):
1=确定
2=取消

[IDD_DLG_SCREEN_RENAME]
Title=画面重命名
1011=原画面
1012=画面编号:
1013=画面名称:
1014=改为
1015=画面编号(&N):
1016=画面名称(&A):
1=确定
2=取消

[IDD_DLG_SCREEN_DELETE]
Title=删除画面
1021=画面列表(&L)
1022=删除(&D)
1023=关闭(&C)
No.=编号
Screen Name=画面名称

[IDD_DLG_PANEL_CONFIG]
1132=记录画面编号:
1135=起始画面编号:
1140=画面编号:
None=无
After 1 minutes=1分钟后
After 2 minutes=2分钟后
After 3 minutes=3分钟后
After 5 minutes=5分钟后
After 10 minutes=10分钟后
After 15 minutes=15分钟后
After 20 minutes=20分钟后
After 30 minutes=30分钟后
After 45 minutes=45分钟后
After 1 hours=1小时后
Title=面板配置
1130=面板类型(&T):
1133=记录时间(0-60秒):
1136=屏幕保护
1137=屏幕保护时间(&M):
1141=关闭背光(&B)
1142=功能键蜂鸣
1143=允许
1144=禁止
1145=双字交换
1146=允许
1147=禁止

[IDD_DLG_PANEL_MANAGER]
Title=面板管理
Panel=面板
COM Port1=通讯端口1
Rename=重命名(&R)
Delete=删除(&D)
1001=PLC
1002=添加(&A)
1003=删除(&D)

[IDD_DLG_ALARM]
Title=报警列表
1201=报警列表起始线圈:
1202=线圈编号(&C):
1203=...
1204=报警数量(&U):
1205=导入(&I)...
1206=导出(&X)...
Coil Number=线圈编号
Alarm Message=报警信息
1=确定
2=取消

[IDD_DLG_PANELINFO]
Title=面板信息
1001=通讯端口(&P):
1002=面板信息
1010=面板类型:
1011=固件版本:
1012=总容量:
1013=已用:
1014=可用:
1015=协议:
1016=运行文件上载状态:
1003=下载/上载
1004=下载(&D)
1005=上载(&U)
1007=传送(&T)
1008=刷新(&R)
2=取消
Enable=启用
Disable=禁用

[IDD_DLG_START_PROJECT]
Title=开始工程
1200=开始一个工程
1201=新建工程(&W)
1202=从磁盘读取(&D)
1203=从面板读取(&P)
1204=启动程序时总是显示此对话框(&A)
1205=Corvel 网上技术支持
1=确定
2=取消

[IDD_DLG_PROJECT_NEW]
1210=保存路径(&S):
1211=浏览(&B)...
1212=工程名称(&N):
1213=HMI 类型(&H):
1214=PLC 类型(&L):
1215=协议设置(&R)...
Select folder for New Project=选择新工程的文件夹

[IDD_DLG_PROJECT_OPEN]
1230=位置路径(&L):
1231=浏览(&B)...
1232=工程名称(&N):
1233=工程信息(&I)
Contents=内容
Value=值
HMI Type=HMI 类型
Date=日期
Project Size=工程大小
Programmer=编程人员
PLC Driver=PLC 驱动
Select the folder of the project=选择工程所在的文件夹

[IDD_DLG_PROJECT_OPENPANEL]
1250=串口(&C):
1251=设备管理器(&V)
1252=刷新(&E)
1253=面板中保存的是运行文件，而不是工程。按“确定”将以“新建工程”页的名称和文件夹新建工程，并记住此串口用于下载；面板的运行文件可在“面板信息”中备份。

[IDD_DLG_ABOUTBOX]
Title=关于 Corvel
Font=WenQuanYi Zen Hei
Version=版本
1281=RU03 操作面板组态软件
1282=版权所有 (C) 2026 Corvel
1=确定

[MENU]
Language=语言(&N)
English=English(&E)
Chinese=中文(&C)
File=文件(&F)
Edit=编辑(&E)
View=视图(&V)
Object=对象(&O)
Screen=画面(&S)
Setup=设置(&T)
Panel=面板(&P)
Window=窗口(&W)
Help=帮助(&H)
Toolbar=工具栏(&T)
Windows=窗格(&W)
Start Project...=开始工程(&S)...
Open Project...=打开工程(&O)...
Close Project=关闭工程(&C)
Save Project=保存工程(&S)
Save Project As...=工程另存为(&A)...
Project Transfer...=工程传送(&T)...
Project Information...=工程信息(&I)...
Export Report...=导出报告(&R)...
Print Preview...=打印预览(&V)...
Print...=打印(&P)...
Exit=退出(&X)
Undo=撤销(&U)
Redo=重做(&R)
Cut=剪切(&T)
Copy=复制(&C)
Paste=粘贴(&P)
Select all=全选(&A)
Find Uses=查找引用(&U)
Grid Size=网格大小(&G)...
Display Grid=显示网格(&R)
Display Object Label=显示对象标签(&L)
Display Panel Pixels=显示面板像素(&P)
Zoom...=缩放(&Z)...
Windows Control=窗口控制(&W)
Start/Open/Send Steps=开始/打开/传送步骤(&S)
Navigation=导航(&N)
Object List=对象列表(&L)
Object Help=对象帮助(&H)
Output=输出(&O)
Cross Reference=交叉引用(&R)
Restore Default Layout=恢复默认布局(&R)
Status Bar=状态栏(&S)
Static Text=静态文本(&S)
Dynamic Text=动态文本(&D)
Static Bitmap=静态位图(&B)
Bar Meter=棒图(&M)
Trend Meter=趋势图(&T)
Indicator Light=指示灯(&I)
Numeric=数值(&N)
String=字符串(&R)
New Screen=新建画面(&N)
Delete Screen...=删除画面(&D)...
Rename Screen...=重命名画面(&R)...
Copy Screen=复制画面(&C)
Paste Screen=粘贴画面(&P)
Screen Option=画面选项(&O)...
Panel Manager...=面板管理(&M)...
Configuree Password...=配置密码(&P)...
PLC <-> Panel=PLC <-> 面板(&L)
Alarm Control Setup=报警控制设置(&A)
Panel Information=面板信息(&I)
Simulate=仿真(&S)
New Window=新建窗口(&N)
Cascade=层叠(&C)
Tile=平铺(&T)
Arrange Icons=排列图标(&A)
Windows...=窗口列表(&W)...
About...=关于(&A)...
Next Pane=下一窗格(&X)
Previous Pane=上一窗格(&V)
Group=组合
Ungroup=取消组合
Duplicate=创建副本
Up=上移一层
Down=下移一层
To front=置于顶层
To back=置于底层
Properties=属性
Align=对齐
Left=左对齐
Right=右对齐
Top=顶端对齐
Bottom=底端对齐
Horizontal Centres=水平居中
Vertical Centres=垂直居中
Same Width=相同宽度
Same Height=相同高度
Distribute Horizontally=横向均匀分布
Distribute Vertically=纵向均匀分布

[MENU_PROMPT]
English=下次启动时以英文显示程序
Chinese=下次启动时以中文显示程序
Start Project...=新建工程或打开已有工程
Open Project...=打开已有工程
Close Project=关闭当前工程
Save Project=保存当前工程
Save Project As...=以新名称保存当前工程
Project Transfer...=编译工程并传送到面板
Project Information...=查看和编辑工程信息
Export Report...=将工程报告写成 PDF 文件
Print Preview...=显示工程报告将要打印的页面
Print...=打印工程报告
Exit=退出程序；先询问是否保存工程
Undo=撤销上一步操作
Redo=重做上一步撤销的操作
Cut=剪切所选内容到剪贴板
Copy=复制所选内容到剪贴板
Paste=插入剪贴板内容
Select all=选择画面上的所有对象
Find Uses=在交叉引用窗格中列出所选对象寄存器的所有引用
Grid Size=设置画面编辑器的网格间距
Display Grid=在画面编辑器中显示或隐藏网格
Display Object Label=在画面编辑器中显示或隐藏对象编号
Display Panel Pixels=在画面编辑器中按面板的显示方式显示文本和位图
Zoom...=设置画面编辑器的缩放比例
File=显示或隐藏文件工具栏
Windows Control=显示或隐藏窗口控制工具栏
Start/Open/Send Steps=显示或隐藏开始/打开/传送步骤工具栏
Navigation=显示或隐藏导航窗格
Object List=显示或隐藏对象列表
Object Help=显示或隐藏对象帮助
Output=显示或隐藏输出窗格
Cross Reference=显示或隐藏寄存器、线圈和检查结果的交叉引用
Restore Default Layout=将工具栏和窗格恢复到初始位置
Status Bar=显示或隐藏状态栏
Static Text=绘制静态文本
Dynamic Text=绘制动态文本
Static Bitmap=绘制静态位图
Bar Meter=绘制棒图
Trend Meter=绘制趋势图
Indicator Light=绘制指示灯
Numeric=绘制数值
String=绘制字符串
New Screen=向工程添加画面
Delete Screen...=删除所选画面
Rename Screen...=重命名所选画面
Copy Screen=复制所选画面
Paste Screen=添加已复制画面的副本
Screen Option=设置所选画面的画面切换和功能键
Panel Manager...=设置面板和 PLC 连接
Configuree Password...=设置面板密码
PLC <-> Panel=设置面板与 PLC 交换的区域
Alarm Control Setup=设置报警列表
Panel Information=读取所连接面板的信息
Simulate=在仿真面板上运行当前工程
New Window=为当前文档打开另一个窗口
Cascade=层叠排列窗口
Tile=平铺排列窗口
Arrange Icons=排列最小化的窗口
Windows...=选择一个打开的窗口
Help=打开软件手册
About...=显示程序名称和版本
Next Pane=切换到下一窗格
Previous Pane=切换到上一窗格

[FRAME]
File=文件
Windows Control=窗口控制
Start/Open/Send Setps=开始/打开/传送步骤
Output=输出
Ready=就绪

[IDD_DLG_DOT_SCREENLIST]
Navigation-Screen List=导航-画面列表
No.=编号
Screen Name=画面名称

[IDD_DLG_DOT_FUNCTION]
Navigation-Function=导航-功能
Setup=设置
Panel Manager=面板管理
Configure Password=配置密码
PLC <-> Panel=PLC <-> 面板
Alarm Control Setup=报警控制设置
Manual=手册
Software Manual=软件手册
Hardware Manual=硬件手册

[IDD_DLG_DOT_PANEL]
Navigation-Panel=导航-面板
Panel=面板
Panel Information=面板信息

[IDD_DLG_DOT_OBJECTLIST]
Object List=对象列表
Static Text=静态文本
Dynamic Text=动态文本
Static Bitmap=静态位图
Bar Meter=棒图
Trend Meter=趋势图
Indicator Light=指示灯
Numeric=数值
String=字符串

[IDD_DLG_DOT_OBJECTHELP]
Object Help=对象帮助
No help page found:=未找到帮助页面：

[IDD_DLG_GRID_SIZE]
Title=网格大小
1301=水平(&H)：
1302=垂直(&V)：
1303=默认(&D)
1=确定
2=取消

[IDD_DLG_ZOOM]
Title=缩放
1311=当前缩放(&C)：
1312=缩放级别
1=确定
2=取消

[IDD_DLG_PROJECT_INFO]
Title=工程信息
1401=工程名称(&P)：
1402=日期(&D)：
1403=目标(&T)：
1404=公司名称(&C)：
1405=编程人员(&R)：
1406=描述(&E)：
1=确定
2=取消
1001=通讯端口(&P):
1002=面板信息
1003=下载/上传
1004=下载(&D)
1005=上传(&U)
1006=...
1007=传送(&T)
1008=刷新(&R)
1010=面板类型:
1011=固件版本:
1012=总量:
1013=已用:
1014=可用:
1015=协议:
1016=运行文件上传状态:

[IDD_DLG_PROGRESS]
Title=编译工程
2=取消

[IDD_DLG_TRANSFER]
Title=传送
1001=通讯端口(&P):
1002=允许更新运行文件(&E)
1003=若允许，运行文件可从面板读回到电脑。
1004=密码(8位数字)(&W):
1005=存储器信息
1006=存储器总量:
1007=工程大小:
1008=传送(&T)
2=取消

[IDD_DLG_PSW]
Title=设置密码
Option Password=选项密码
Upload Password=上传密码
1001=使用原密码(&U)
1002=密码(8位数字)(&P):

[IDD_DLG_COMM_GENERAL]
Title=通用
1001=波特率(&B):
1002=校验(&P):
1003=停止位(&S):
1004=传输(&M):
1005=选择RS485(&4):
1006=需要CTS(&C):
1007=控制RTS(&R):
1008=校验和类型(&K):
1009=每帧寄存器数:
1010=每帧线圈数:
1011=连接方式(&L):
1012=接线(&W):
1013=字节顺序:
1014=字顺序(&O):
1015=字符顺序(&H):
1016=传输格式(&N):
1017=协议类型(&T):
1018=&ENQ:
1019=超时时间(0.1秒):
1020=轮询时间(0-30000毫秒):
1021=最大站号:
1022=面板编号(0-31):
None=无
Even=偶校验
Odd=奇校验
YES=是
NO=否
Single=单台
Multiple=多台
High Byte, Low Byte=高字节, 低字节
Low Byte, High Byte=低字节, 高字节
High Word, Low Word=高字, 低字
Low Word, High Word=低字, 高字

[IDD_DLG_COMM_VARDO_VSEQ]
1000=直接连接
1001=站号(1-90):
1002=波特率(&B):
1003=校验(&P):
1004=选择RS485(&4):
1005=需要RTS:
1006=控制CTS:
1007=超时(0-40 100毫秒):
1008=轮询时间(0-30000毫秒):
None=无
Even=偶校验
Odd=奇校验
YES=是
NO=否

[IDD_DLG_PROTOCOL_MANAGER]
Title=协议管理

[IDD_DLG_PANEL2PLC]
Title=PLC<->面板
1100=面板到PLC
1200=PLC到面板

[IDD_DLG_PANEL2PLC_PANEL]
1101=起始地址(字)(&A):
1102=...
1110=允许(&E)
1111=当前画面编号:
1112=地址:起始地址
1120=起始地址存放面板当前画面编号。

[IDD_DLG_PANEL2PLC_PLC]
1201=起始地址(字)(&A):
1202=...
1210=允许(&E)
1211=切换画面编号:
1212=地址:起始地址
1213=允许(&N)
1214=蜂鸣器控制:
1215=地址:起始地址+1(字)
1220=起始地址存放要切换到的画面编号；下一个字(起始地址+1)控制蜂鸣器。

[IDD_DLG_REG]
Title=设置寄存器
1001=设备名称(&D):
1002=寄存器类型(&T):
1003=寄存器编号(&N):
1004=位(&B):

[IDD_DLG_OBJ_STATICTEXT]
Title=静态文本属性
1001=名称(&N):
1002=字符串(&S):
1003=反显(&I)
1004=字体(&F)
1=确定
2=取消

[IDD_DLG_OBJ_INDICATORLIGHT]
Title=指示灯属性
1001=名称(&N):
1002=线圈编号(&C):
1003=反显(&I)
1004=双倍(&D)
1005=样式
1006=圆形(&R)
1007=矩形(&E)
1=确定
2=取消

[IDD_DLG_OBJ_BARMETER]
Title=棒图属性
1001=名称(&N):
1002=寄存器编号(&R):
1003=寄存器个数(&C):
1004=浮点(&L)
1005=模式:
1006=十进制(&E)
1007=十六进制/BCD(&H)
1008=有符号(&S)
1009=小数位(&P):
1010=最小值(&I):
1011=最大值(&A):
1012=样式
1013=向上(&U)
1014=向下(&D)
1015=向右(&G)
1016=向左(&F)
1=确定
2=取消

[IDD_DLG_OBJ_NUMBERREGISTER]
Title=数值属性
1001=名称(&N):
1002=寄存器编号(&R):
1003=寄存器个数(&C):
1004=浮点(&L)
1005=模式:
1006=十进制(&E)
1007=十六进制/BCD(&H)
1008=有符号(&S)
1009=小数位(&P):
1010=最小值(&I):
1011=最大值(&A):
1012=位数(&D):
1013=可设定(&E)
1014=加密(&Y)
1015=范围检查(&G)
1016=双倍(&B)
1017=反显(&V)
1018=前导零(&0)
1=确定
2=取消

[IDD_DLG_OBJ_TRENDMETER]
Title=趋势图属性
1001=名称(&N):
1002=寄存器编号(&R):
1003=寄存器个数(&C):
1004=浮点(&L)
1005=模式:
1006=十进制(&E)
1007=十六进制/BCD(&H)
1008=有符号(&S)
1009=小数位(&P):
1010=最小值(&I):
1011=最大值(&A):
1012=数据点数(&T):
1013=采样间隔(&V):
1=确定
2=取消

[IDD_DLG_OBJ_STRINGREGISTER]
Title=字符串属性
1001=名称(&N):
1002=寄存器编号(&R):
1003=寄存器个数(&C):
1004=字符个数(&T):
1005=双倍(&D)
1006=反显(&I)
1=确定
2=取消

[IDD_DLG_OBJ_BITMAP]
Title=静态位图属性
1001=名称(&N):
1002=位图(&B):
1003=锁定纵横比(&L)
1004=拉伸适应(&S)
1005=黑色反显(&I)
1=确定
2=取消

[IDD_DLG_OBJ_DYNAMICTEXT]
Title=动态文本属性
1001=名称(&N):
1002=寄存器编号(&R):
1003=模式:
1004=十进制(&E)
1005=十六进制/BCD(&H)
1006=反显(&I)
1007=字体(&F)
1=确定
2=取消
Value=数值
Content=内容

[IDD_DLG_BITMAP_MANAGER]
Title=位图管理器
1001=文件(&F):
1002=添加到工程(&A)
1003=从工程删除(&D)
1004=全部导出(&L)
1005=导出一个(&O)
1=确定
2=取消
BitMap=位图
System=系统
User=用户
Arrow=箭头
Battery=电池
Fan=风扇
Flag=旗帜
Ico=图标
Valve=阀门
BitMap Flies(*.bmp)=位图文件(*.bmp)
All Files (*.*)=所有文件 (*.*)
Select folder for New Project=选择导出的文件夹
Add to project=添加到工程
Export One=导出一个

[IDD_DLG_SIMULATOR]
Title=面板仿真器
2001=画面:
2002=缩放(&Z):
2003=时间:
2004=运行(&R)
2005=PLC 寄存器和线圈(&R):
2006=面板写入记录(&W):
1=确定
2=取消
Register=寄存器
Value=值
Format=格式
Uses=用途
Coil=线圈
Float=浮点数
BCD 16-bit=BCD 16 位
BCD 32-bit=BCD 32 位
Signed 16-bit=有符号 16 位
Signed 32-bit=有符号 32 位
Unsigned 16-bit=无符号 16 位
Unsigned 32-bit=无符号 32 位
String, %1 registers=字符串, %1 个寄存器
Alarm list=报警列表
(log screen)=(开机画面)
(protect screen)=(屏保画面)
(backlight off)=(背光关闭)
Password:=密码:
Value for %1:=%1 的值:
coil %1 set %2=线圈 %1 置 %2
register %1 written: %2=寄存器 %1 写入: %2
%1 sent to device %2=%1 已发送到设备 %2
wrong password: the key is refused=密码错误: 按键被拒绝
screen number %1 written to %2=画面号 %1 写入 %2
value %1 entered into %2=数值 %1 输入到 %2
value refused for %1=%1 的数值被拒绝
beep=蜂鸣
The project cannot be simulated:=无法仿真该工程:
Screen %1: %2 %3=画面 %1: %2 %3
Screen %1: F%2 %3=画面 %1: F%2 %3
Set Coil=设置线圈
Set Register=设置寄存器
Alarm %1=报警 %1
Panel -> PLC=面板 -> PLC
PLC -> Panel=PLC -> 面板
PLC -> Panel: Beep=PLC -> 面板: 蜂鸣
Static Text=静态文本
Dynamic Text=动态文本
Static Bitmap=静态位图
Bar Meter=棒图
Trend Meter=趋势图
Indicator Light=指示灯
Numeric=数值
String=字符串

[IDD_DLG_CROSS_REFERENCE]
Title=交叉引用
Cross Reference=交叉引用
2001=过滤(&F):
Uses=引用

[IDD_DLG_REPORT]
Project Report=工程报告
Contents=目录
Panel Configuration=面板配置
Communication and Devices=通讯与设备
PLC <-> Panel=PLC <-> 面板
Alarms=报警
Screens=画面
Screen %1: %2=画面 %1：%2
Screen %1=画面 %1
Page %1 of %2=第 %1 页，共 %2 页
Project:=工程：
Panel:=面板：
PLC:=PLC：
Date:=日期：
Last saved:=最后保存：
Company:=公司：
Programmer:=编程人员：
Description:=描述：
Size=规模
Screens:=画面数：
Objects:=对象数：
Alarms:=报警数：
Devices:=设备数：
Bitmaps:=位图数：
Runtime image:=运行文件：
%1 bytes=%1 字节
Panel Type:=面板类型：
Start Screen Number:=起始画面编号：
Log Screen Number:=登录画面编号：
Log Timer:=登录计时：
%1 s=%1 秒
Screen Protected Time:=屏幕保护时间：
Screen Protection:=屏幕保护：
Screen Number:=画面编号：
Close Blacklight=关闭背光
Function Key Beep=功能键蜂鸣
DWORD Exchange=双字交换
Enable=启用
Disable=禁用
None=无
Baud Rate:=波特率：
Parity:=校验：
Stop Bits:=停止位：
Transmit:=传输方式：
Select RS485:=选择 RS485：
Require CTS:=需要 CTS：
Control RTS:=控制 RTS：
Checksum Type:=校验和类型：
Register Per Msg:=每帧寄存器数：
Coil Per Msg:=每帧线圈数：
Link Selector:=连接方式：
Wiring:=接线：
Byte Order:=字节顺序：
Word Order:=字顺序：
Character Order:=字符顺序：
Transmission:=传输格式：
Protocol Type:=协议类型：
ENQ:=ENQ：
Timeout:=超时：
Poll Time:=轮询时间：
%1 x 100 ms=%1 × 100 毫秒
%1 ms=%1 毫秒
Max Station Number:=最大站号：
Panel Number:=面板编号：
Devices=设备
Name=名称
Station=站号
Baud Rate=波特率
Parity=校验
RS485=RS485
Timeout=超时
Poll Time=轮询时间
Panel to PLC=面板到 PLC
PLC to Panel=PLC 到面板
Start Address(Word):=起始地址（字）：
Current Screen Number:=当前画面编号：
Switch to Screen Number:=切换到画面编号：
Beep Control:=蜂鸣控制：
The project has no alarms.=工程没有报警。
The project has no screens.=工程没有画面。
No.=序号
Coil Number=线圈编号
Alarm Message=报警信息
Previous screen: %1    Next screen: %2=上一画面：%1    下一画面：%2
Objects=对象
The screen file cannot be read.=无法读取画面文件。
The screen has no objects.=画面没有对象。
Kind=类型
Position=位置
Register=寄存器
Format=格式
Range=范围
Function Keys=功能键
Key=按键
Function=功能
Action=动作
Password=密码
Description=描述
Unused=未使用
Set Coil=设置线圈
Set Register=设置寄存器
Screen Change=画面切换
Advanced=高级
Unknown=未知
Alarm list=报警列表
%1 registers=%1 个寄存器
%1 decimal places=%1 位小数
%1 texts=%1 条文本
Coil=线圈
String, %1 registers=字符串，%1 个寄存器
Signed 16-bit=有符号 16 位
Signed 32-bit=有符号 32 位
Unsigned 16-bit=无符号 16 位
Unsigned 32-bit=无符号 32 位
BCD 16-bit=BCD 16 位
BCD 32-bit=BCD 32 位
Float=浮点数
Static Text=静态文本
Dynamic Text=动态文本
Static Bitmap=静态位图
Bar Meter=棒图
Trend Meter=趋势图
Indicator Light=指示灯
Numeric=数值
String=字符串
Even=偶校验
Odd=奇校验
YES=是
NO=否
Single=单台
Multiple=多台
High Byte, Low Byte=高字节，低字节
Low Byte, High Byte=低字节，高字节
High Word, Low Word=高字，低字
Low Word, High Word=低字，高字
After 1 minutes=1 分钟后
After 2 minutes=2 分钟后
After 3 minutes=3 分钟后
After 5 minutes=5 分钟后
After 10 minutes=10 分钟后
After 15 minutes=15 分钟后
After 20 minutes=20 分钟后
After 30 minutes=30 分钟后
After 45 minutes=45 分钟后
After 1 hours=1 小时后
Export Report=导出报告
PDF Files (*.pdf)=PDF 文件 (*.pdf)
Print Preview=打印预览
The report cannot be made:=无法生成报告：
The report cannot be written:=无法写入报告：
The report cannot be printed.=无法打印报告。
Cross-Reference=交叉引用
Findings=检查结果
Nothing to look at before a download.=下载前没有需要检查的问题。
a use covers part of another use's words=一处使用覆盖了另一处使用的部分字
a register or coil outside its area's ranges=寄存器或线圈超出其区域的范围
a reference to a device that does not exist=引用了不存在的设备
a screen that nothing reaches=没有任何途径到达的画面
a screen that only the PLC can switch to=只有 PLC 能切换到的画面
a project bitmap that no object uses=没有对象使用的工程位图
Finding=检查结果
Count=数量
Meaning=含义
Uses=使用
The project uses no register or coil.=工程没有使用寄存器或线圈。
Device=设备
Area=区域
Address=地址
Use=用途
Place=位置
Finding=检查结果
%1 of %2 rows, %3 findings=显示 %1 / %2 行，%3 项检查结果
Takes part of the words of another use=占用了另一引用的部分字
Outside the ranges of its area=超出其区域的范围
Names a device that does not exist=引用了不存在的设备
Nothing reaches this screen=没有任何方式可到达此画面
Only the PLC can switch to this screen=只有 PLC 能切换到此画面
No object shows this bitmap=没有对象使用此位图
