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
Error GUI-004 : This file can't open=错误 GUI-004 : 无法打开此文件
cannot be a project name=不能用作工程名称
already exists. Replace it when the project is saved?=已存在。保存工程时是否替换它？

[IDD_DLG_SCREEN_OPTION]
Title=画面选项
1053=上一画面编号:
1056=下一画面编号:

[IDD_DLG_SCREEN_FUN_KEY]
1079=画面切换

[IDD_DLG_PANEL_CONFIG]
1132=记录画面编号:
1135=起始画面编号:
1140=画面编号:

[IDD_DLG_PANEL_MANAGER]
Title=面板管理

[IDD_DLG_ALARM]
Title=报警列表

[IDD_DLG_PANELINFO]
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
