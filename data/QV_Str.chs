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

[MENU]
Cut=剪切
Copy=复制
Paste=粘贴
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
