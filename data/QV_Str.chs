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
Compiler=编译
Download=下载
Upload=上传
Error GUI-003 : This device name already exists=Error GUI-003 : 此设备名称已存在

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

[IDD_DLG_PANELINFO]
Enable=启用
Disable=禁用
Title=面板信息
1001=通讯端口(&P):
1002=面板信息
1003=下载/上传
1004=下载(&D)
1005=上传(&U)
1006=...
1007=传送(&T)
1008=刷新(&R)
2=取消
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
