<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ByteFields</name>
    <message>
        <source>功率</source>
        <translation>power</translation>
    </message>
    <message>
        <source>繁忙信道锁定</source>
        <translation>busy channel lock</translation>
    </message>
    <message>
        <source>扫描添加</source>
        <translation>scan add</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>wide/narrow</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>transmit stop</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>scramble</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>beep</translation>
    </message>
    <message>
        <source>频道分组</source>
        <translation>channel group</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>battery save</translation>
    </message>
    <message>
        <source>按键锁</source>
        <translation>key lock</translation>
    </message>
    <message>
        <source>收音机监听信号</source>
        <translation>radio monitor signal</translation>
    </message>
    <message>
        <source>频移</source>
        <translation>frequency shift</translation>
    </message>
    <message>
        <source>扫描模式</source>
        <translation>scan mode</translation>
    </message>
    <message>
        <source>收音机搜台模式</source>
        <translation>radio search mode</translation>
    </message>
    <message>
        <source>锁键模式</source>
        <translation>lock-key mode</translation>
    </message>
    <message>
        <source>通话结束提示音</source>
        <translation>end-of-call tone</translation>
    </message>
    <message>
        <source>开机密码设定</source>
        <translation>power-on password setting</translation>
    </message>
    <message>
        <source>尾音消除</source>
        <translation>tail elimination</translation>
    </message>
    <message>
        <source>背光灯方式</source>
        <translation>backlight</translation>
    </message>
    <message>
        <source>VOX 开关</source>
        <translation>VOX switch</translation>
    </message>
    <message>
        <source>接收时禁止VOX</source>
        <translation>prohibit VOX while receiving</translation>
    </message>
    <message>
        <source>VOX延迟时间</source>
        <translation>VOX delay</translation>
    </message>
    <message>
        <source>VOX增益电平</source>
        <translation>VOX gain</translation>
    </message>
    <message>
        <source>VFO 功率</source>
        <translation>VFO power</translation>
    </message>
    <message>
        <source>VFO 繁忙信道锁定</source>
        <translation>VFO busy channel lock</translation>
    </message>
    <message>
        <source>VFO 扫描添加</source>
        <translation>VFO scan add</translation>
    </message>
    <message>
        <source>VFO 宽窄带</source>
        <translation>VFO wide/narrow</translation>
    </message>
    <message>
        <source>VFO 发射禁止</source>
        <translation>VFO transmit stop</translation>
    </message>
    <message>
        <source>VFO 扰频</source>
        <translation>VFO scramble</translation>
    </message>
    <message>
        <source>VFO 压扩</source>
        <translation>VFO companding</translation>
    </message>
    <message>
        <source>可选功能：%1</source>
        <translation>optional features: %1</translation>
    </message>
    <message>
        <source>DTMF 信令：%1</source>
        <translation>DTMF: %1</translation>
    </message>
    <message>
        <source>收音机：%1</source>
        <translation>FM radio: %1</translation>
    </message>
    <message>
        <source>显示模式</source>
        <translation>display mode</translation>
    </message>
    <message>
        <source>优先扫描频道</source>
        <translation>priority scan channel</translation>
    </message>
    <message>
        <source>步进频率</source>
        <translation>step</translation>
    </message>
    <message>
        <source>自命名频道名称</source>
        <translation>self-named channel name</translation>
    </message>
    <message>
        <source>静噪等级</source>
        <translation>squelch level</translation>
    </message>
    <message>
        <source>当前频道</source>
        <translation>present channel</translation>
    </message>
    <message>
        <source>开机信息显示方式</source>
        <translation>power-on display</translation>
    </message>
    <message>
        <source>记忆频道显示模式</source>
        <translation>memory channel display</translation>
    </message>
    <message>
        <source>自动关机</source>
        <translation>automatic power-off</translation>
    </message>
    <message>
        <source>语音模式</source>
        <translation>voice mode</translation>
    </message>
    <message>
        <source>发射超时</source>
        <translation>time-out timer</translation>
    </message>
    <message>
        <source>型号标识</source>
        <translation>model identification</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>frequency band</translation>
    </message>
    <message>
        <source>开机显示字符</source>
        <translation>power-on text</translation>
    </message>
    <message>
        <source>VFO 频率</source>
        <translation>VFO frequency</translation>
    </message>
    <message>
        <source>VFO 异频数</source>
        <translation>VFO offset</translation>
    </message>
    <message>
        <source>VFO 接收亚音频</source>
        <translation>VFO receive tone</translation>
    </message>
    <message>
        <source>VFO 发射亚音频</source>
        <translation>VFO transmit tone</translation>
    </message>
    <message>
        <source>VFO 异频方向</source>
        <translation>VFO offset direction</translation>
    </message>
    <message>
        <source>ANI 结束码</source>
        <translation>ANI end code</translation>
    </message>
    <message>
        <source>开机密码</source>
        <translation>power-on password</translation>
    </message>
    <message>
        <source>当前工作频道</source>
        <translation>present channel</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>存储字节 %1</source>
        <translation>memory byte %1</translation>
    </message>
    <message>
        <source>信道 %1 的%2</source>
        <translation>channel %1 %2</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>receive frequency</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>transmit frequency</translation>
    </message>
    <message>
        <source>接收亚音频</source>
        <translation>receive tone</translation>
    </message>
    <message>
        <source>发射亚音频</source>
        <translation>transmit tone</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>options</translation>
    </message>
    <message>
        <source>高功率</source>
        <translation>high power</translation>
    </message>
    <message>
        <source>中功率</source>
        <translation>middle power</translation>
    </message>
    <message>
        <source>低功率</source>
        <translation>low power</translation>
    </message>
    <message>
        <source>高段</source>
        <translation>high section</translation>
    </message>
    <message>
        <source>中段</source>
        <translation>middle section</translation>
    </message>
    <message>
        <source>低段</source>
        <translation>low section</translation>
    </message>
    <message>
        <source>调试：%1，%2</source>
        <translation>calibration: %1, %2</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>name</translation>
    </message>
    <message>
        <source>收音机：频道 %1</source>
        <translation>FM radio: channel %1</translation>
    </message>
</context>
<context>
    <name>CalibrationWindow</name>
    <message>
        <source>调试</source>
        <translation>Debugging</translation>
    </message>
    <message>
        <source>高功率等级</source>
        <translation>High Power Grades</translation>
    </message>
    <message>
        <source>中功率等级</source>
        <translation>Mid Power Grades</translation>
    </message>
    <message>
        <source>低功率等级</source>
        <translation>Low Power Grades</translation>
    </message>
    <message>
        <source>高段等级</source>
        <translation>High Sect Grades</translation>
    </message>
    <message>
        <source>中段等级</source>
        <translation>Mid Sect Grades</translation>
    </message>
    <message>
        <source>低段等级</source>
        <translation>Low Sect Grades</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>频道</source>
        <translation>Ch</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>RX MHz</translation>
    </message>
    <message>
        <source>发射</source>
        <translation>TX MHz</translation>
    </message>
    <message>
        <source>接收亚音</source>
        <translation>RX tone</translation>
    </message>
    <message>
        <source>发射亚音</source>
        <translation>TX tone</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>繁忙锁定</source>
        <translation>Busy lock</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>TX stop</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>ChannelLists</name>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>载波</source>
        <translation>Carry</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>On</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>Narror</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>wide</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>ChannelWindow</name>
    <message>
        <source>禁止</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>On</translation>
    </message>
    <message>
        <source>信道编辑</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cut(&amp;T)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>Copy(&amp;C)</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>Paste(&amp;P)</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>Delete(&amp;D)</translation>
    </message>
    <message>
        <source>插入空信道(&amp;I)</source>
        <translation>Insert Empty Channel(&amp;I)</translation>
    </message>
    <message>
        <source>删除并上移(&amp;L)</source>
        <translation>Delete and Shift Up(&amp;L)</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move Up(&amp;U)</translation>
    </message>
    <message>
        <source>下移(&amp;W)</source>
        <translation>Move Down(&amp;W)</translation>
    </message>
    <message>
        <source>按接收频率排序(&amp;F)</source>
        <translation>Sort by RX Frequency(&amp;F)</translation>
    </message>
    <message>
        <source>按名称排序(&amp;N)</source>
        <translation>Sort by Name(&amp;N)</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>Fre</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>RXFre</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TXfre</translation>
    </message>
    <message>
        <source>接收亚音频</source>
        <translation>QT/DQT Dec</translation>
    </message>
    <message>
        <source>发射亚音频</source>
        <translation>QT/DQT Enc</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>繁忙信道锁定</source>
        <translation>Channel lock</translation>
    </message>
    <message>
        <source>扫描添加</source>
        <translation>Add scan</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>TX Estop</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>频道名称</source>
        <translation>Channel Name</translation>
    </message>
</context>
<context>
    <name>ChannelWindowTexts</name>
    <message>
        <source>剪贴板第 %1 行</source>
        <translation>Line %1 of the clipboard</translation>
    </message>
    <message>
        <source>剪贴板第 %1 行（频道 %2）</source>
        <translation>Line %1 of the clipboard (channel %2)</translation>
    </message>
    <message>
        <source>超出频段范围</source>
        <translation>Beyond the scope of frequency band</translation>
    </message>
    <message>
        <source>未粘贴任何内容。</source>
        <translation>Nothing was pasted.</translation>
    </message>
    <message>
        <source>剪贴板中没有频道行，未粘贴任何内容。</source>
        <translation>The clipboard holds no channel rows. Nothing was pasted.</translation>
    </message>
    <message>
        <source>%1不是频道行：超过 11 列。</source>
        <translation>%1 is not a channel row: it has more than 11 columns.</translation>
    </message>
    <message>
        <source>%1不是频道行：“%2”列的“%3”不是频率。</source>
        <translation>%1 is not a channel row: &quot;%3&quot; in the column %2 is not a frequency.</translation>
    </message>
    <message>
        <source>%1不是频道行：“%2”列的“%3”不是列表中的选项。</source>
        <translation>%1 is not a channel row: &quot;%3&quot; in the column %2 is not an item of its list.</translation>
    </message>
    <message numerus="yes">
        <source>%2 行中有 %n 行放不下：从频道 %3 到频道 128 只能放 %4 行。</source>
        <translation>
            <numerusform>%n of the %2 rows does not fit: from channel %3 to channel 128 there is room for %4.</numerusform>
            <numerusform>%n of the %2 rows do not fit: from channel %3 to channel 128 there is room for %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1：“%2”列的 %3 不在频段 %4 之内。</source>
        <translation>%1: %3 in the column %2 is outside the band %4.</translation>
    </message>
    <message>
        <source>%1：名称“%2”超过 8 个字符，无法存入对讲机。</source>
        <translation>%1: the name &quot;%2&quot; is longer than the 8 characters a channel name can hold.</translation>
    </message>
    <message>
        <source>%1已损坏，无法读取。</source>
        <translation>%1 is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>信道%1已被使用，无法插入空信道。</source>
        <translation>Channel %1 is in use; no empty channel can be inserted.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>read PORT FILE                 从对讲机读频并存为数据文件</source>
        <translation>read PORT FILE                 read the radio and store a data file</translation>
    </message>
    <message>
        <source>write PORT... FILE             把数据文件写入一台或多台对讲机</source>
        <translation>write PORT... FILE             write a data file to one or more radios</translation>
    </message>
    <message>
        <source>new [--band N] FILE            写入空白数据文件（与新建相同）</source>
        <translation>new [--band N] FILE            a blank data file, as New gives it</translation>
    </message>
    <message>
        <source>normalize IN OUT               打开 IN 并保存为 OUT</source>
        <translation>normalize IN OUT               open IN and save it as OUT</translation>
    </message>
    <message>
        <source>show FILE [--json]             列出频道和设置</source>
        <translation>show FILE [--json]             list the channels and the settings</translation>
    </message>
    <message>
        <source>diff A B                       比较两个数据文件</source>
        <translation>diff A B                       what differs between two data files</translation>
    </message>
    <message>
        <source>export FILE CSV                频道表导出为 CSV</source>
        <translation>export FILE CSV                the channel table as a CSV channel list</translation>
    </message>
    <message>
        <source>import FILE CSV OUT [...]      从 CSV 导入频道</source>
        <translation>import FILE CSV OUT [...]      channels from a CSV channel list</translation>
    </message>
    <message>
        <source>simulate [--band N] ...        在伪终端上模拟对讲机</source>
        <translation>simulate [--band N] ...        a simulated radio on a pseudo-terminal</translation>
    </message>
    <message>
        <source>report FILE OUT.pdf [...]      打印报表存为 PDF</source>
        <translation>report FILE OUT.pdf [...]      the print report as a PDF</translation>
    </message>
    <message>
        <source>用法：q731-cli 命令 [参数] [--lang zh|en]

命令：
</source>
        <translation>Usage: q731-cli COMMAND [arguments] [--lang zh|en]

Commands:
</translation>
    </message>
    <message>
        <source>
各命令的帮助：q731-cli 命令 --help
PORT 为设备路径（/dev/ttyUSB0、COM3）或端口号 1..16。
</source>
        <translation>
Help on a command: q731-cli COMMAND --help
PORT is a device path (/dev/ttyUSB0, COM3) or a port number 1..16.
</translation>
    </message>
    <message>
        <source>q731-cli：--lang 只能是 zh 或 en</source>
        <translation>q731-cli: --lang takes zh or en</translation>
    </message>
    <message>
        <source>q731-cli：没有命令 &quot;%1&quot;</source>
        <translation>q731-cli: there is no command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>显示本帮助</source>
        <translation>Show this help</translation>
    </message>
    <message>
        <source>消息语言：zh 或 en</source>
        <translation>Message language: zh or en</translation>
    </message>
    <message>
        <source>参数太少</source>
        <translation>Too few arguments</translation>
    </message>
    <message>
        <source>参数太多</source>
        <translation>Too many arguments</translation>
    </message>
    <message>
        <source>频段应为 0..7</source>
        <translation>the band is 0..7</translation>
    </message>
    <message>
        <source>用法见 q731-cli %1 --help</source>
        <translation>See q731-cli %1 --help</translation>
    </message>
    <message>
        <source>写入一个空白数据文件：窗口程序新建、选择频段 N 后保存的文件。</source>
        <translation>Writes a blank data file: what the window program saves after New and choosing band N.</translation>
    </message>
    <message>
        <source>要写入的数据文件</source>
        <translation>Data file to write</translation>
    </message>
    <message>
        <source>频段 0..7（默认 3，新建所选的频段）</source>
        <translation>The band 0..7 (default 3, the band New selects)</translation>
    </message>
    <message>
        <source>打开 IN 再保存为 OUT，结果与窗口程序打开后保存相同。</source>
        <translation>Opens IN and saves it as OUT, exactly as the window program stores a file it opened and saved.</translation>
    </message>
    <message>
        <source>数据文件</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>列出数据文件的频道和设置。</source>
        <translation>Lists the channels and the settings of a data file.</translation>
    </message>
    <message>
        <source>以 JSON 输出</source>
        <translation>Print JSON</translation>
    </message>
    <message>
        <source>按频道和设置名列出两个数据文件的不同。</source>
        <translation>Lists what differs between two data files, by channel and by setting name.</translation>
    </message>
    <message>
        <source>按窗口程序比较时的名称和显示方式列出（随语言而变）</source>
        <translation>list the fields and values as the window program&apos;s comparison shows them (they follow the language)</translation>
    </message>
    <message>
        <source>把频道表写成 CSV 频道清单。</source>
        <translation>Writes the channel table as a CSV channel list.</translation>
    </message>
    <message>
        <source>要写入的 CSV 文件（- 为标准输出）</source>
        <translation>CSV file to write (- for standard output)</translation>
    </message>
    <message>
        <source>把 CSV 频道清单放入 FILE 的频道表，保存为 OUT。</source>
        <translation>Puts the channels of a CSV channel list into the channel table of FILE and saves the result as OUT.</translation>
    </message>
    <message>
        <source>CSV 文件（- 为标准输入）</source>
        <translation>CSV file (- for standard input)</translation>
    </message>
    <message>
        <source>跳过无效的行，导入其余的行</source>
        <translation>Leave out invalid rows and import the others</translation>
    </message>
    <message>
        <source>值会被改动的行（步进、名称、功率）视为无效</source>
        <translation>Refuse rows whose values would be changed (raster, name, power)</translation>
    </message>
    <message>
        <source>不按 Location，按文件顺序放入空闲频道</source>
        <translation>Place the rows in file order into free channels, not by Location</translation>
    </message>
    <message>
        <source>--renumber 从频道 N 起（默认 1）</source>
        <translation>--renumber starts at channel N (default 1)</translation>
    </message>
    <message>
        <source>先清空频道表</source>
        <translation>Empty the channel table first</translation>
    </message>
    <message>
        <source>--first 应为 1..128</source>
        <translation>--first takes a channel 1..128</translation>
    </message>
    <message>
        <source>--first 须与 --renumber 同用</source>
        <translation>--first goes with --renumber</translation>
    </message>
    <message>
        <source>没有写入任何文件</source>
        <translation>Nothing was written</translation>
    </message>
    <message>
        <source>（没有这个设备）</source>
        <translation> (no such device)</translation>
    </message>
    <message>
        <source>（已被其它程序使用或被驱动拒绝）</source>
        <translation> (held by another program or refused by the driver)</translation>
    </message>
    <message>
        <source>（没有权限，例如不在 dialout 组）</source>
        <translation> (permission denied, e.g. not in the dialout group)</translation>
    </message>
    <message>
        <source>串行端口无效</source>
        <translation>The serial port is invalid</translation>
    </message>
    <message>
        <source>（对讲机的回答有误）</source>
        <translation> (wrong reply from the radio)</translation>
    </message>
    <message>
        <source>频段不符，不能写入！</source>
        <translation>The frequency band is not accorded with, can&apos;t write into!</translation>
    </message>
    <message>
        <source>端口号 %1 不在 1..16 之内</source>
        <translation>port number %1 is not within 1..16</translation>
    </message>
    <message>
        <source>端口 %1 出现两次</source>
        <translation>port %1 is given twice</translation>
    </message>
    <message>
        <source>读取 PORT 上的对讲机，按收到的原样存为数据文件 FILE。</source>
        <translation>Reads the radio on PORT and stores the image exactly as received in the data file FILE.</translation>
    </message>
    <message>
        <source>设备路径或端口号 1..16</source>
        <translation>Device path or port number 1..16</translation>
    </message>
    <message>
        <source>读频成功！</source>
        <translation>Reading succeeds frequently!</translation>
    </message>
    <message>
        <source>打开数据文件 FILE，写入每个 PORT 上的对讲机。</source>
        <translation>Opens the data file FILE and writes it to the radio on every PORT, all at once.</translation>
    </message>
    <message>
        <source>设备路径或端口号 1..16，可以多个</source>
        <translation>Device path or port number 1..16, one or more</translation>
    </message>
    <message>
        <source>频段不符时仍然写入</source>
        <translation>Write even when the radio&apos;s band differs</translation>
    </message>
    <message>
        <source>同时写入校准值</source>
        <translation>Write the calibration levels as well</translation>
    </message>
    <message>
        <source>写入后读回并比较</source>
        <translation>Read the radio back afterwards and compare</translation>
    </message>
    <message>
        <source>写入完成，但读回失败：</source>
        <translation>written, but reading back failed: </translation>
    </message>
    <message>
        <source>校验不符：字节 %1 (0x%2) 写入 0x%3，读回 0x%4（%5）</source>
        <translation>verify failed: byte %1 (0x%2) written 0x%3, read back 0x%4 (%5)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>写频成功！</source>
        <translation>Writing succeeds frequently!</translation>
    </message>
    <message>
        <source> 已校验</source>
        <translation> verified</translation>
    </message>
    <message>
        <source>把数据文件的打印报表存为 PDF，内容与窗口程序的打印预览相同。</source>
        <translation>Writes the print report of a data file as a PDF, the same pages as the window program&apos;s print preview.</translation>
    </message>
    <message>
        <source>要写入的 PDF 文件（- 为标准输出）</source>
        <translation>PDF file to write (- for standard output)</translation>
    </message>
    <message>
        <source>纸张：a4 或 letter（默认按系统的度量制）</source>
        <translation>Paper: a4 or letter (default: by the system&apos;s measurement units)</translation>
    </message>
    <message>
        <source>信道表只列出使用中的信道</source>
        <translation>list only the channels in use in the channel table</translation>
    </message>
    <message>
        <source>每页开头印出文件名、频段和日期</source>
        <translation>print the file name, band and date at the top of every page</translation>
    </message>
    <message>
        <source>--paper 只能是 a4 或 letter</source>
        <translation>--paper takes a4 or letter</translation>
    </message>
    <message>
        <source>无法生成报表：没有写入任何文件</source>
        <translation>Cannot paint the report: nothing was written</translation>
    </message>
    <message>
        <source>对讲机的频段 0..7</source>
        <translation>The radio&apos;s band 0..7</translation>
    </message>
    <message>
        <source>从数据文件取对讲机的存储</source>
        <translation>Take the radio&apos;s memory from a data file</translation>
    </message>
    <message>
        <source>以 9600 波特的速度回答</source>
        <translation>Answer at the pace of 9600 baud</translation>
    </message>
    <message>
        <source>每次写入后及结束时把存储存为数据文件</source>
        <translation>Store the memory as a data file after every write and when ending</translation>
    </message>
    <message>
        <source>回答的每个字节单独发送（测试用）</source>
        <translation>Send every reply byte on its own (for tests)</translation>
    </message>
    <message>
        <source>从不回答（测试用）</source>
        <translation>Never answer (for tests)</translation>
    </message>
    <message>
        <source>N 个数据块后断线（测试用）</source>
        <translation>Fall silent after N blocks, as a pulled cable (for tests)</translation>
    </message>
    <message>
        <source>识别之后不停地发 ACK，什么也不存（测试用）</source>
        <translation>After the identification, stream ACKs and store nothing (for tests)</translation>
    </message>
    <message>
        <source>用下一个数据块回答第 N 个读请求（从 0 起，测试用）</source>
        <translation>Answer read request N (from 0) with the next block (for tests)</translation>
    </message>
    <message>
        <source>写入时把存储字节 N 的最低位存反（0..3071，测试用）</source>
        <translation>Store memory byte N with its lowest bit flipped when it is written (0..3071, for tests)</translation>
    </message>
    <message>
        <source>无法建立伪终端：%1</source>
        <translation>Cannot create a pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>在伪终端上模拟一台对讲机。第一行输出为 PORT 设备路径；直到被终止或标准输入关闭。</source>
        <translation>Serves a simulated radio on a pseudo-terminal. The first line of output is PORT and the device path; it serves until killed or until standard input closes.</translation>
    </message>
    <message>
        <source>--stop-after 需要块数</source>
        <translation>--stop-after takes a count</translation>
    </message>
    <message>
        <source>--wrong-address 需要请求序号</source>
        <translation>--wrong-address takes a request number</translation>
    </message>
    <message>
        <source>--corrupt-byte 需要 0..3071 的字节地址</source>
        <translation>--corrupt-byte takes a byte address 0..3071</translation>
    </message>
    <message>
        <source>本系统没有伪终端</source>
        <translation>This system has no pseudo-terminals</translation>
    </message>
    <message>
        <source>大小超过 %1 MiB，不可能是 CSV 频道清单</source>
        <translation>it is larger than %1 MiB, too large for a CSV channel list</translation>
    </message>
    <message>
        <source>大小超过 %1 KiB，不可能是数据文件</source>
        <translation>it is larger than %1 KiB, too large for a data file</translation>
    </message>
    <message>
        <source>无法读取标准输入：%1</source>
        <translation>Cannot read standard input: %1</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>无法写入标准输出</source>
        <translation>Cannot write standard output</translation>
    </message>
    <message>
        <source>它不是普通文件，而是文件夹、设备、管道或套接字；未作改动</source>
        <translation>it is not a regular file but a folder, device, pipe or socket; it was left as it was</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>文件类型不正确！</source>
        <translation>File type is incorrect!</translation>
    </message>
    <message>
        <source>%1：文件不完整（%2 字节，应为 %3 字节）</source>
        <translation>%1: the file is cut short (%2 bytes of %3)</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>控件</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>把收发的每个字节记录到 FILE</source>
        <translation>Record every byte sent and received in FILE</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>与电台比较</source>
        <translation>Compare with Radio</translation>
    </message>
    <message>
        <source>与文件比较</source>
        <translation>Compare with File</translation>
    </message>
    <message>
        <source>%1与本程序中的数据没有不同之处。</source>
        <translation>%1 holds the same as this program.</translation>
    </message>
    <message numerus="yes">
        <source>%1与本程序中的数据有 %n 处不同。</source>
        <translation>
            <numerusform>%1 differs from this program in %n place.</numerusform>
            <numerusform>%1 differs from this program in %n places.</numerusform>
        </translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>电台中</source>
        <translation>In the radio</translation>
    </message>
    <message>
        <source>文件中</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>本程序中</source>
        <translation>In this program</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>Write(&amp;W)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>电台</source>
        <translation>The radio</translation>
    </message>
</context>
<context>
    <name>CsvTexts</name>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2：超出频段范围 (%3)</source>
        <translation>%1 %2: Beyond the scope of frequency band (%3)</translation>
    </message>
    <message>
        <source>Location 不是 1..128 的频道号</source>
        <translation>Location is not a channel number 1..128</translation>
    </message>
    <message>
        <source>同一频道在前面的行已出现</source>
        <translation>a row for the same channel came earlier</translation>
    </message>
    <message>
        <source>超出频段范围 (%1)</source>
        <translation>beyond the scope of frequency band (%1)</translation>
    </message>
    <message>
        <source>没有频率可放入</source>
        <translation>no Frequency to place</translation>
    </message>
    <message>
        <source>没有空闲频道</source>
        <translation>no free channel left</translation>
    </message>
    <message>
        <source>值会被改动（--strict）</source>
        <translation>values would change (--strict)</translation>
    </message>
    <message>
        <source>%1 无效</source>
        <translation>invalid %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>缺少 %1 列</source>
        <translation>there is no %1 column</translation>
    </message>
    <message>
        <source>没有标题行</source>
        <translation>there is no header line</translation>
    </message>
    <message>
        <source>Location &quot;%1&quot; 不是 1..128 的频道号</source>
        <translation>Location &quot;%1&quot; is not a channel number 1..128</translation>
    </message>
    <message>
        <source>频道 %1 已在前面出现</source>
        <translation>channel %1 already came in an earlier row</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是数字</source>
        <translation>%1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; 应为空、+、-、split 或 off</source>
        <translation>Duplex &quot;%1&quot; is not empty, +, -, split or off</translation>
    </message>
    <message>
        <source>Offset &quot;%1&quot; 不是数字</source>
        <translation>Offset &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>Tone &quot;%1&quot; 应为空、Tone、TSQL、DTCS 或 Cross</source>
        <translation>Tone &quot;%1&quot; is not empty, Tone, TSQL, DTCS or Cross</translation>
    </message>
    <message>
        <source>CrossMode &quot;%1&quot; 无法识别</source>
        <translation>CrossMode &quot;%1&quot; is not known</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是本机的亚音频</source>
        <translation>%1 &quot;%2&quot; is not a CTCSS tone of the radio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是本机的数字亚音</source>
        <translation>%1 &quot;%2&quot; is not a DCS code of the radio</translation>
    </message>
    <message>
        <source>DtcsPolarity &quot;%1&quot; 应为 NN、NR、RN 或 RR</source>
        <translation>DtcsPolarity &quot;%1&quot; is not NN, NR, RN or RR</translation>
    </message>
    <message>
        <source>Mode &quot;%1&quot; 应为 FM 或 NFM</source>
        <translation>Mode &quot;%1&quot; is not FM or NFM</translation>
    </message>
    <message>
        <source>Skip &quot;%1&quot; 应为空、S 或 P</source>
        <translation>Skip &quot;%1&quot; is not empty, S or P</translation>
    </message>
    <message>
        <source>Power &quot;%1&quot; 应为 Low、Mid、High 或瓦数</source>
        <translation>Power &quot;%1&quot; is not Low, Mid, High or watts</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 数值太大，无法读取</source>
        <translation>%1 &quot;%2&quot; is a number too large to read</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 应为 On 或 Off</source>
        <translation>%1 &quot;%2&quot; is not On or Off</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>a quoted field is not closed</translation>
    </message>
    <message>
        <source>Frequency 为空：重新编号时没有可清空的频道</source>
        <translation>Frequency is empty: renumbered, a row has no channel to empty</translation>
    </message>
    <message>
        <source>从频道 %1 到 128 已没有空闲频道</source>
        <translation>no free channel is left from channel %1 to 128</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2（移到 5/6.25 kHz 步进上）</source>
        <translation>Frequency %1 -&gt; %2 (onto the 5/6.25 kHz raster)</translation>
    </message>
    <message>
        <source>发射频率 %1 -&gt; %2（移到 5/6.25 kHz 步进上）</source>
        <translation>transmit frequency %1 -&gt; %2 (onto the 5/6.25 kHz raster)</translation>
    </message>
    <message>
        <source>转为大写</source>
        <translation>upper-cased</translation>
    </message>
    <message numerus="yes">
        <source>去掉 %n 个字符</source>
        <translation>
            <numerusform>%n character dropped</numerusform>
            <numerusform>%n characters dropped</numerusform>
        </translation>
    </message>
    <message>
        <source>截为 8 个字符</source>
        <translation>cut to 8 characters</translation>
    </message>
    <message>
        <source>名称为空</source>
        <translation>left empty</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; -&gt; &quot;%2&quot;（%3）</source>
        <translation>Name &quot;%1&quot; -&gt; &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; 与第 %2 行的名称相同</source>
        <translation>Name &quot;%1&quot; is also the name of line %2</translation>
    </message>
    <message>
        <source>Power &quot;%1&quot; -&gt; %2（最接近的功率档）</source>
        <translation>Power &quot;%1&quot; -&gt; %2 (the nearest level)</translation>
    </message>
    <message>
        <source>；因 --strict 跳过此行</source>
        <translation>; row left out (--strict)</translation>
    </message>
    <message>
        <source>警告：%1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>%1 第 %2 行：%3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>，放入频道 %1..%2</source>
        <translation> into channels %1..%2</translation>
    </message>
    <message numerus="yes">
        <source>（%n 行有警告）</source>
        <translation>
            <numerusform> (%n with a warning)</numerusform>
            <numerusform> (%n with warnings)</numerusform>
        </translation>
    </message>
    <message>
        <source>将导入：%1%2%3</source>
        <translation>Will import: %1%2%3</translation>
    </message>
    <message>
        <source>已导入：%1%2%3</source>
        <translation>Taken: %1%2%3</translation>
    </message>
    <message>
        <source>将替换正在使用的频道：%1</source>
        <translation>Will replace channels in use: %1</translation>
    </message>
    <message>
        <source>将清空正在使用的频道：%1</source>
        <translation>Will empty channels in use: %1</translation>
    </message>
    <message>
        <source>将跳过：%1</source>
        <translation>Will leave out: %1</translation>
    </message>
    <message>
        <source>已跳过：%1</source>
        <translation>Left out: %1</translation>
    </message>
    <message>
        <source>  %1：%2</source>
        <translation>  %1: %2</translation>
    </message>
    <message>
        <source>没有可导入的行</source>
        <translation>No row can be taken</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>transmit frequency</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>receive frequency</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是频率（数据已损坏）</source>
        <translation>%1 &quot;%2&quot; is not a frequency (damaged data)</translation>
    </message>
    <message>
        <source>频道 %1 未导出：%2</source>
        <translation>channel %1 left out: %2</translation>
    </message>
</context>
<context>
    <name>DtmfWindow</name>
    <message>
        <source>DTMF(双音多频)</source>
        <translation>DTMF(双音多频)</translation>
    </message>
    <message>
        <source>ANI：</source>
        <translation>ANI：</translation>
    </message>
    <message>
        <source>%1毫秒</source>
        <translation>%1MS</translation>
    </message>
    <message>
        <source>自动拔号存储器</source>
        <translation>Auto-dialing Memory</translation>
    </message>
    <message>
        <source>其它功能</source>
        <translation>Other Features</translation>
    </message>
    <message>
        <source>第一组自动拔号存储器</source>
        <translation>First Autodial Memory</translation>
    </message>
    <message>
        <source>第二组自动拔号存储器</source>
        <translation>Second Autodial Memory</translation>
    </message>
    <message>
        <source>第三组自动拔号存储器</source>
        <translation>Third Autodial Memory</translation>
    </message>
    <message>
        <source>第四组自动拔号存储器</source>
        <translation>Fourth Autodial Memory</translation>
    </message>
    <message>
        <source>第五组自动拔号存储器</source>
        <translation>Fifth Autodial Memory</translation>
    </message>
    <message>
        <source>第六组自动拔号存储器</source>
        <translation>Sixth Autodial Memory</translation>
    </message>
    <message>
        <source>第七组自动拔号存储器</source>
        <translation>Seventh Autodial Memory</translation>
    </message>
    <message>
        <source>第八组自动拔号存储器</source>
        <translation>Eight Autodial Memory</translation>
    </message>
    <message>
        <source>ANI开始码：</source>
        <translation>ANI Start Code：</translation>
    </message>
    <message>
        <source>ANI结束码：</source>
        <translation>ANI End Code：</translation>
    </message>
    <message>
        <source>自身码：</source>
        <translation>Own Code：</translation>
    </message>
    <message>
        <source>发射开始</source>
        <translation>Start Send</translation>
    </message>
    <message>
        <source>发射结束</source>
        <translation>End Send</translation>
    </message>
    <message>
        <source>两者</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>DTMF速率：</source>
        <translation>DTMF Rate：</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>首位数码延迟：</source>
        <translation>First Digital Delay：</translation>
    </message>
    <message>
        <source>群呼码：</source>
        <translation>Group Call Code：</translation>
    </message>
    <message>
        <source>空</source>
        <translation>Empty</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>“%1”</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>它不是普通文件，而是设备、管道或套接字</source>
        <translation>it is not a regular file but a device, pipe or socket</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>没有写入该文件夹的权限</source>
        <translation>no permission to write in the folder</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>无法打开文件%1：%2。</source>
        <translation>Cannot open the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>FmWindow</name>
    <message>
        <source>FM频道设置</source>
        <translation>FM Channel Set</translation>
    </message>
    <message>
        <source>频率模式(频率):</source>
        <translation>FrequencyMode(Frequency):</translation>
    </message>
    <message>
        <source>当前收音机工作频道:</source>
        <translation>Present Channel:</translation>
    </message>
    <message>
        <source>显示模式:</source>
        <translation>Reveal Mode:</translation>
    </message>
    <message>
        <source>收音机步进频率:</source>
        <translation>FM Step Frequency:</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>频率(MHz)</source>
        <translation>Frequency(MHz)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助主题</source>
        <translation>Help Theme</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>未找到“%1”</source>
        <translation>&quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>找不到帮助手册。已在以下位置查找：<byte value="xd"/>
%1</source>
        <translation>The help manual was not found. It was looked for in:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>无法用系统的浏览器打开以下链接：<byte value="xd"/>
%1</source>
        <translation>The system&apos;s browser could not open the link:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>导入信道(CSV)</source>
        <translation>Import Channels (CSV)</translation>
    </message>
    <message>
        <source>放入哪些频道</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>各行放入其 Location 所指的频道</source>
        <translation>Each row to the channel of its Location</translation>
    </message>
    <message>
        <source>按文件顺序放入空闲频道，从频道</source>
        <translation>In file order into free channels, from channel</translation>
    </message>
    <message>
        <source>先清空信道表</source>
        <translation>Empty the channel table first</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>通信出错，请检查对讲机，连线及串口选择！</source>
        <translation>Communication error, check the line and the serial connection selection!</translation>
    </message>
    <message>
        <source>通信中断：连线或串口已断开，请检查连线后重试！</source>
        <translation>Connection lost: the cable or the serial port was disconnected. Check the cable and try again!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save As(&amp;A)…</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>与文件比较…</source>
        <translation>Compare with File…</translation>
    </message>
    <message>
        <source>写入多台电台…</source>
        <translation>Write Several Radios…</translation>
    </message>
    <message>
        <source>与电台比较(&amp;M)…</source>
        <translation>Compare with Radio(&amp;M)…</translation>
    </message>
    <message>
        <source>信道行(&amp;H)</source>
        <translation>Channel Rows(&amp;H)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>menu item that opens the About box</comment>
        <translation>About(&amp;H)</translation>
    </message>
    <message>
        <source>中文(&amp;C)</source>
        <translation>Chinese(&amp;C)</translation>
    </message>
    <message>
        <source>通信端口(&amp;C)</source>
        <translation>Communication Port(&amp;C)</translation>
    </message>
    <message>
        <source>调试信息(&amp;B)</source>
        <translation>Debug Information(&amp;B)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>Edit(&amp;E)</translation>
    </message>
    <message>
        <source>英文(&amp;E)</source>
        <translation>English(&amp;E)</translation>
    </message>
    <message>
        <source>帮助主题(F1)</source>
        <translation>Help Theme(F1)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>the Help menu</comment>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <source>语言选择(&amp;L)</source>
        <translation>Language Select(&amp;L)</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>Undo(&amp;U)</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>Redo(&amp;R)</translation>
    </message>
    <message>
        <source>信道编辑(&amp;M)</source>
        <translation>Channel Edit(&amp;M)</translation>
    </message>
    <message>
        <source>DTMF信令(&amp;D)</source>
        <translation>DTMF(&amp;D)</translation>
    </message>
    <message>
        <source>可选功能(&amp;P)</source>
        <translation>Optional Features(&amp;P)</translation>
    </message>
    <message>
        <source>收音机频道设置</source>
        <translation>FM Channel Set</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>打开(&amp;O)</source>
        <translation>Open(&amp;O)</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>Print(&amp;P)</translation>
    </message>
    <message>
        <source>导入信道(CSV)…</source>
        <translation>Import Channels (CSV)…</translation>
    </message>
    <message>
        <source>导出信道(CSV)…</source>
        <translation>Export Channels (CSV)…</translation>
    </message>
    <message>
        <source>编程(&amp;G)</source>
        <translation>Programming(&amp;G)</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <source>读频(&amp;R)</source>
        <translation>Read Data from the Transceive(&amp;R)</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>Write Data in the Transceive(&amp;W)</translation>
    </message>
    <message>
        <source>写后校验</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>读频</source>
        <translation>Read Data from the Transceive</translation>
    </message>
    <message>
        <source>写频</source>
        <translation>Write Data in the Transceive</translation>
    </message>
    <message>
        <source>关闭频段强制模式（双击）</source>
        <translation>Band override mode off (double-click)</translation>
    </message>
    <message>
        <source>关闭校准模式（双击）</source>
        <translation>Calibration mode off (double-click)</translation>
    </message>
    <message>
        <source>关闭扩展选项模式（双击）</source>
        <translation>Extra options mode off (double-click)</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>NewChannel</name>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>On</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>Wide</translation>
    </message>
</context>
<context>
    <name>OptionsWindow</name>
    <message>
        <source>关闭</source>
        <comment>call tone off</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>中</source>
        <comment>the middle power</comment>
        <translation>中</translation>
    </message>
    <message>
        <source>呼叫音:</source>
        <translation>呼叫音:</translation>
    </message>
    <message>
        <source>可选功能</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>显式模式:</source>
        <translation>Display Mode:</translation>
    </message>
    <message>
        <source>频移:</source>
        <translation>Shift Frequency:</translation>
    </message>
    <message>
        <source>倒频:</source>
        <translation>Reverse Frequency:</translation>
    </message>
    <message>
        <source>开机密码设定:</source>
        <translation>Open Secret Establish:</translation>
    </message>
    <message>
        <source>VOX增益电平:</source>
        <translation>VOX Gain Level:</translation>
    </message>
    <message>
        <source>VOX延迟时间(秒):</source>
        <translation>VOX Delay Time(s):</translation>
    </message>
    <message>
        <source>收音机搜台模式:</source>
        <translation>Radio Seach Mode:</translation>
    </message>
    <message>
        <source>通话结束提示音:</source>
        <translation>Talk Over Sound:</translation>
    </message>
    <message>
        <source>发射超时:</source>
        <translation>Time-out Timer:</translation>
    </message>
    <message>
        <source>优先扫描频道:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>全频频率:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>异频数:</source>
        <translation>Offset Data:</translation>
    </message>
    <message>
        <source>接收亚音频:</source>
        <translation>QT/DQT Dec:</translation>
    </message>
    <message>
        <source>发射亚音频:</source>
        <translation>QT/DQT Enc:</translation>
    </message>
    <message>
        <source>功率:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>繁忙信道锁定:</source>
        <translation>BusyChannel Lock:</translation>
    </message>
    <message>
        <source>扫描添加:</source>
        <translation>Add Scan:</translation>
    </message>
    <message>
        <source>宽窄带:</source>
        <translation>Wide/Narrow:</translation>
    </message>
    <message>
        <source>发射禁止:</source>
        <translation>TX Estop:</translation>
    </message>
    <message>
        <source>压扩:</source>
        <translation>Companding:</translation>
    </message>
    <message>
        <source>扰频:</source>
        <translation>Scramble:</translation>
    </message>
    <message>
        <source>步进频率:</source>
        <translation>Step Frequency:</translation>
    </message>
    <message>
        <source>异频:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>开机显示字符:</source>
        <translation>Display Character:</translation>
    </message>
    <message>
        <source>自命名频道名称:</source>
        <translation>Self-Regard Channel:</translation>
    </message>
    <message>
        <source>锁键模式:</source>
        <translation>KeyLock Mode:</translation>
    </message>
    <message>
        <source>频道分组:</source>
        <translation>Channel Group:</translation>
    </message>
    <message>
        <source>尾音消除:</source>
        <translation>Dispell End Sound:</translation>
    </message>
    <message>
        <source>背光灯方式:</source>
        <translation>Poor Light Mode:</translation>
    </message>
    <message>
        <source>VOX 开关:</source>
        <translation>VOX Swith:</translation>
    </message>
    <message>
        <source>开机信息显示方式:</source>
        <translation>Open Display Mode:</translation>
    </message>
    <message>
        <source>记忆频道显示模式:</source>
        <translation>Memory display Mode:</translation>
    </message>
    <message>
        <source>自动关机:</source>
        <translation>Auto Shut-Down</translation>
    </message>
    <message>
        <source>语音模式:</source>
        <translation>Pronunciation mode:</translation>
    </message>
    <message>
        <source>4位开机密码:</source>
        <translation>Boot-strap Password:</translation>
    </message>
    <message>
        <source>静噪等级:</source>
        <translation>Squelch Level:</translation>
    </message>
    <message>
        <source>当前频道数:</source>
        <translation> Present Channel:</translation>
    </message>
    <message>
        <source>提示音:</source>
        <translation>Beep:</translation>
    </message>
    <message>
        <source>省电:</source>
        <translation>Battery Save:</translation>
    </message>
    <message>
        <source>按键锁:</source>
        <translation>Key Lock:</translation>
    </message>
    <message>
        <source>扫描模式:</source>
        <translation>Scan Mode:</translation>
    </message>
    <message>
        <source>收音机监听信号:</source>
        <translation>Radio Monitors Sigal:</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>On</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>载波</source>
        <translation>Carry</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>上锁</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>+异频</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>-异频</source>
        <translation>Sub</translation>
    </message>
    <message>
        <source>无异频</source>
        <translation>None</translation>
    </message>
    <message>
        <source>允许取消操作</source>
        <translation>Allow to Cancel Operating</translation>
    </message>
    <message>
        <source>接收时禁止VOX</source>
        <translation>Prohibit VOX in the receiving</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Function Set</translation>
    </message>
    <message>
        <source>全频频率</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VOX(声控发射)</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>%1 分钟</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 小时</source>
        <translation>%1 Hour</translation>
    </message>
</context>
<context>
    <name>PrintReport</name>
    <message>
        <source>ZR-614对讲机</source>
        <translation>ZR-614 Interphone </translation>
    </message>
    <message>
        <source>编程数据打印</source>
        <translation>programming data are printed</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Function set</translation>
    </message>
    <message>
        <source>全频频率</source>
        <translation>The whole frequency frequently</translation>
    </message>
    <message>
        <source>VOX(声控发射)</source>
        <translation>VOX(Voice control launches)</translation>
    </message>
    <message>
        <source>是否</source>
        <translation>Whether</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>调试信息</source>
        <translation>Debug information</translation>
    </message>
    <message>
        <source>信道数据</source>
        <translation>Channel data</translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>文件：%1    频段：%2    日期：%3</source>
        <translation>File: %1    Band: %2    Date: %3</translation>
    </message>
    <message>
        <source>（未保存）</source>
        <translation>(not saved)</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Q-731 对讲机编程软件</source>
        <translation>Q-731 Radio Programming Software</translation>
    </message>
    <message>
        <source>%1V%2</source>
        <translation>%1 V%2</translation>
    </message>
    <message>
        <source>简体中文版 V%1</source>
        <translation>English edition V%1</translation>
    </message>
    <message>
        <source>Q-731 编程软件开发组</source>
        <translation>Q-731 Software Team</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>正在读频，请稍候。</source>
        <translation>Reading frequently, please wait a moment.</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>Reading……</translation>
    </message>
    <message>
        <source>正在写频，请稍候。</source>
        <translation>Writing frequently, please wait a moment.</translation>
    </message>
    <message>
        <source>正在写入……</source>
        <translation>Writing……</translation>
    </message>
    <message>
        <source>正在读回校验，请稍候。</source>
        <translation>Reading back to verify, please wait a moment.</translation>
    </message>
    <message>
        <source>正在校验……</source>
        <translation>Verifying……</translation>
    </message>
</context>
<context>
    <name>WriteSeveralDialog</name>
    <message>
        <source>写入多台电台</source>
        <translation>Write Several Radios</translation>
    </message>
    <message>
        <source>勾选接有对讲机的端口，然后按“写频”：本程序中的数据同时写入每一台。</source>
        <translation>Tick the ports with a radio on them, then press Write: the data in this program goes to every one of them at once.</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>Write(&amp;W)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>与%1是同一设备，没有再写一次。</source>
        <translation>Same device as %1; not written twice.</translation>
    </message>
    <message numerus="yes">
        <source>正在写入 %n 台对讲机……</source>
        <translation>
            <numerusform>Writing %n radio……</numerusform>
            <numerusform>Writing %n radios……</numerusform>
        </translation>
    </message>
    <message>
        <source>已取消，没有写入。</source>
        <translation>Cancelled; nothing was written.</translation>
    </message>
    <message>
        <source>写入成功 %1 台，没有成功 %2 台。</source>
        <translation>Written: %1. Not written: %2.</translation>
    </message>
</context>
<context>
    <name>q731::ChannelListCommands</name>
    <message>
        <source>CSV文件(*.csv);;所有文件(*.*)</source>
        <translation>CSV Files (*.csv);;All Files (*.*)</translation>
    </message>
    <message>
        <source>大小超过 %1 MiB，不可能是 CSV 频道清单</source>
        <translation>it is larger than %1 MiB, too large for a CSV channel list</translation>
    </message>
    <message>
        <source>导入信道(CSV)</source>
        <translation>Import Channels (CSV)</translation>
    </message>
    <message>
        <source>导出信道(CSV)</source>
        <translation>Export Channels (CSV)</translation>
    </message>
    <message>
        <source>文件%1不是 CSV 频道清单：%2。</source>
        <translation>The file %1 is not a CSV channel list: %2.</translation>
    </message>
    <message>
        <source>无法导出到文件%1：%2。<byte value="xd"/>
文件未被改动。</source>
        <translation>Cannot export to the file %1: %2.<byte value="xd"/>
The file was not changed.</translation>
    </message>
    <message>
        <source>以下频道数据已损坏，未导出：</source>
        <translation>These channels hold damaged data and were left out:</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>q731::FileCommands</name>
    <message>
        <source>大小超过 %1 KiB，不可能是数据文件</source>
        <translation>it is larger than %1 KiB, too large for a data file</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>文件%1已不存在，已从最近的文件中删去。</source>
        <translation>The file %1 no longer exists; it was removed from Recent Files.</translation>
    </message>
    <message>
        <source>与文件比较</source>
        <translation>Compare with File</translation>
    </message>
    <message>
        <source>文件类型不正确！</source>
        <translation>File type is incorrect!</translation>
    </message>
    <message>
        <source>文件%1不完整：只有 %2 字节，应为 %3 字节。</source>
        <translation>The file %1 is incomplete: %2 bytes instead of %3.</translation>
    </message>
    <message>
        <source>无法保存文件%1：%2。<byte value="xd"/>
文件未被改动。</source>
        <translation>Cannot save the file %1: %2.<byte value="xd"/>
The file was not changed.</translation>
    </message>
</context>
<context>
    <name>q731::FmWindow</name>
    <message>
        <source>超出频率范围(76-108)，请重输。</source>
        <translation>Beyond the scope of frequency(76-108), please input again.</translation>
    </message>
    <message>
        <source>超出频率范围(76-107.95)，请重输。</source>
        <translation>Beyond the scope of frequency(76-107.95), please input again.</translation>
    </message>
</context>
<context>
    <name>q731::MainWindow</name>
    <message>
        <source>确定退出本程序？<byte value="xd"/>
未保存的更改将全部丢失！</source>
        <translation>Confirm that withdraws from a procedure?<byte value="xd"/>
Lose all in change not kept!</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Be careful</translation>
    </message>
</context>
<context>
    <name>q731::PortChooser</name>
    <message>
        <source>没有设备</source>
        <translation>No device</translation>
    </message>
    <message>
        <source>%1：没有这个设备</source>
        <translation>%1: no such device</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.</source>
        <translation>Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.</translation>
    </message>
    <message>
        <source>串行端口无效</source>
        <translation>The serial port is invalid</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
没有打开 %1 的权限。请把当前用户加入 %2 组（sudo usermod -aG %2 $USER），然后注销并重新登录。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
You have no permission to open %1. Add your user to the group %2 (sudo usermod -aG %2 $USER), then log out and in again.</translation>
    </message>
</context>
<context>
    <name>q731::PrintPreview</name>
    <message>
        <source>另存为PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>仅使用中的信道</source>
        <translation>Channels in use only</translation>
    </message>
    <message>
        <source>页眉：文件、频段、日期</source>
        <translation>Header: file, band, date</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>打印失败。</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <source>无法保存文件“%1”。</source>
        <translation>Cannot save the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Mistake</translation>
    </message>
</context>
<context>
    <name>q731::Session</name>
    <message>
        <source>注意！</source>
        <translation>Be careful!</translation>
    </message>
    <message>
        <source>改变频段将清除频道列表，确定吗？</source>
        <translation>Changing the frequency band will remove the channel tabulation, confirm?</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>未保存的数据将会丢失，确定吗？</source>
        <translation>Unsaved data will be lost, sure?</translation>
    </message>
</context>
<context>
    <name>q731::TransferController</name>
    <message>
        <source>读频成功！</source>
        <translation>Reading succeeds frequently!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>……另有 %1 项</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>写频已完成，但校验不符。对讲机中以下内容与写入的不同：</source>
        <translation>Writing is done, but the verify failed. The radio holds other values than were written for:</translation>
    </message>
    <message>
        <source>请检查对讲机后重新写频。</source>
        <translation>Check the radio and write again.</translation>
    </message>
    <message>
        <source>写频成功！</source>
        <translation>Writing succeeds frequently!</translation>
    </message>
    <message>
        <source>频段不符，不能写入！</source>
        <translation>The frequency band is not accorded with, can&apos;t write into!</translation>
    </message>
    <message>
        <source>写频已完成，但读回校验失败：</source>
        <translation>Writing is done, but reading back to verify failed: </translation>
    </message>
    <message>
        <source>写频成功！已读回校验，数据一致。</source>
        <translation>Writing succeeds frequently! Read back and verified: the radio holds everything written.</translation>
    </message>
    <message>
        <source>频段不符，是否强制写入？</source>
        <translation>The frequency band is not accorded with, whether write into by force?</translation>
    </message>
    <message>
        <source>正在与对讲机通信，请等它结束后再试。</source>
        <translation>A transfer with the radio is running, please try again when it has ended.</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Be careful</translation>
    </message>
</context>
</TS>
