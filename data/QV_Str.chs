; Corvel 简体中文文本
[MSG]
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
is not a readable bitmap file=不是可读的位图文件
characters: a text holds at most 255=个字符：文本最多 255 个字符
bytes: glyph offsets reach only 65535=字节：字模偏移最多 65535
bytes: the panel takes at most 131008, it can't be transferred=字节：面板最多接收 131008 字节，无法传送
Alarm Message=报警信息
Description=描述
Please input file path=请输入文件路径
Unknown information!Inforation is=未知信息！信息为
Error GUI-001 : Screen No. is invaild. Input a value between 1 to 999=错误 GUI-001 : 画面编号无效。请输入 1 到 999 之间的值
Error GUI-002 : Selected Screen No. has already been used=错误 GUI-002 : 所选画面编号已被使用
Error GUI-005 : Rename Screen failed=错误 GUI-005 : 画面重命名失败
Are you sure you want to delete the screen?=确定要删除画面吗？
Error OBJ-002 : Minimum value is not within range=错误 OBJ-002 : 最小值不在范围内
Error OBJ-004 : Row %d is invalid, please reinput it=错误 OBJ-004 : 第 %d 行无效，请重新输入
Error Obj-001 : Register Number is invalid=错误 Obj-001 : 寄存器编号无效
Screen Name is invalid. Input a name=画面名称无效。请输入名称
Screen Name is invalid. A name can't hold / or \ or control characters=画面名称无效。名称不能包含 / 或 \ 或控制字符
Screen Name is invalid. A name can't end in a dot or a blank=画面名称无效。名称不能以点或空格结尾
All screen numbers from 1 to 999 are used. Delete a screen first=1 到 999 的画面编号已全部使用。请先删除一个画面
Copy Screen failed=复制画面失败
Paste Screen failed=粘贴画面失败
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

[IDD_DLG_PANEL_MANAGER]
Title=面板管理

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
Enable=启用
Disable=禁用
