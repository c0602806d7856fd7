<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>ByteFields</name>
    <message>
        <source>功率</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>繁忙信道锁定</source>
        <translation>繁忙信道锁定</translation>
    </message>
    <message>
        <source>扫描添加</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>发射禁止</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>频道分组</source>
        <translation>频道分组</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>按键锁</source>
        <translation>按键锁</translation>
    </message>
    <message>
        <source>收音机监听信号</source>
        <translation>收音机监听信号</translation>
    </message>
    <message>
        <source>频移</source>
        <translation>频移</translation>
    </message>
    <message>
        <source>扫描模式</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <source>收音机搜台模式</source>
        <translation>收音机搜台模式</translation>
    </message>
    <message>
        <source>锁键模式</source>
        <translation>锁键模式</translation>
    </message>
    <message>
        <source>通话结束提示音</source>
        <translation>通话结束提示音</translation>
    </message>
    <message>
        <source>开机密码设定</source>
        <translation>开机密码设定</translation>
    </message>
    <message>
        <source>尾音消除</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>背光灯方式</source>
        <translation>背光灯方式</translation>
    </message>
    <message>
        <source>VOX 开关</source>
        <translation>VOX 开关</translation>
    </message>
    <message>
        <source>接收时禁止VOX</source>
        <translation>接收时禁止VOX</translation>
    </message>
    <message>
        <source>VOX延迟时间</source>
        <translation>VOX延迟时间</translation>
    </message>
    <message>
        <source>VOX增益电平</source>
        <translation>VOX增益电平</translation>
    </message>
    <message>
        <source>VFO 功率</source>
        <translation>VFO 功率</translation>
    </message>
    <message>
        <source>VFO 繁忙信道锁定</source>
        <translation>VFO 繁忙信道锁定</translation>
    </message>
    <message>
        <source>VFO 扫描添加</source>
        <translation>VFO 扫描添加</translation>
    </message>
    <message>
        <source>VFO 宽窄带</source>
        <translation>VFO 宽窄带</translation>
    </message>
    <message>
        <source>VFO 发射禁止</source>
        <translation>VFO 发射禁止</translation>
    </message>
    <message>
        <source>VFO 扰频</source>
        <translation>VFO 扰频</translation>
    </message>
    <message>
        <source>VFO 压扩</source>
        <translation>VFO 压扩</translation>
    </message>
    <message>
        <source>可选功能：%1</source>
        <translation>可选功能：%1</translation>
    </message>
    <message>
        <source>DTMF 信令：%1</source>
        <translation>DTMF 信令：%1</translation>
    </message>
    <message>
        <source>收音机：%1</source>
        <translation>收音机：%1</translation>
    </message>
    <message>
        <source>显示模式</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>优先扫描频道</source>
        <translation>优先扫描频道</translation>
    </message>
    <message>
        <source>步进频率</source>
        <translation>步进频率</translation>
    </message>
    <message>
        <source>自命名频道名称</source>
        <translation>自命名频道名称</translation>
    </message>
    <message>
        <source>静噪等级</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>当前频道</source>
        <translation>当前频道</translation>
    </message>
    <message>
        <source>开机信息显示方式</source>
        <translation>开机信息显示方式</translation>
    </message>
    <message>
        <source>记忆频道显示模式</source>
        <translation>记忆频道显示模式</translation>
    </message>
    <message>
        <source>自动关机</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>语音模式</source>
        <translation>语音模式</translation>
    </message>
    <message>
        <source>发射超时</source>
        <translation>发射超时</translation>
    </message>
    <message>
        <source>型号标识</source>
        <translation>型号标识</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>开机显示字符</source>
        <translation>开机显示字符</translation>
    </message>
    <message>
        <source>VFO 频率</source>
        <translation>VFO 频率</translation>
    </message>
    <message>
        <source>VFO 异频数</source>
        <translation>VFO 异频数</translation>
    </message>
    <message>
        <source>VFO 接收亚音频</source>
        <translation>VFO 接收亚音频</translation>
    </message>
    <message>
        <source>VFO 发射亚音频</source>
        <translation>VFO 发射亚音频</translation>
    </message>
    <message>
        <source>VFO 异频方向</source>
        <translation>VFO 异频方向</translation>
    </message>
    <message>
        <source>ANI 结束码</source>
        <translation>ANI 结束码</translation>
    </message>
    <message>
        <source>开机密码</source>
        <translation>开机密码</translation>
    </message>
    <message>
        <source>当前工作频道</source>
        <translation>当前工作频道</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>存储字节 %1</source>
        <translation>存储字节 %1</translation>
    </message>
    <message>
        <source>信道 %1 的%2</source>
        <translation>信道 %1 的%2</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>接收亚音频</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>发射亚音频</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>高功率</source>
        <translation>高功率</translation>
    </message>
    <message>
        <source>中功率</source>
        <translation>中功率</translation>
    </message>
    <message>
        <source>低功率</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>高段</source>
        <translation>高段</translation>
    </message>
    <message>
        <source>中段</source>
        <translation>中段</translation>
    </message>
    <message>
        <source>低段</source>
        <translation>低段</translation>
    </message>
    <message>
        <source>调试：%1，%2</source>
        <translation>调试：%1，%2</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>收音机：频道 %1</source>
        <translation>收音机：频道 %1</translation>
    </message>
</context>
<context>
    <name>CalibrationWindow</name>
    <message>
        <source>调试</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>高功率等级</source>
        <translation>高功率等级</translation>
    </message>
    <message>
        <source>中功率等级</source>
        <translation>中功率等级</translation>
    </message>
    <message>
        <source>低功率等级</source>
        <translation>低功率等级</translation>
    </message>
    <message>
        <source>高段等级</source>
        <translation>高段等级</translation>
    </message>
    <message>
        <source>中段等级</source>
        <translation>中段等级</translation>
    </message>
    <message>
        <source>低段等级</source>
        <translation>低段等级</translation>
    </message>
    <message>
        <source>低</source>
        <translation>低</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
</context>
<context>
    <name>ChannelFields</name>
    <message>
        <source>频道</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>发射</source>
        <translation>发射</translation>
    </message>
    <message>
        <source>接收亚音</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>发射亚音</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>繁忙锁定</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>发射禁止</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>ChannelLists</name>
    <message>
        <source>低</source>
        <translation>低</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <source>中</source>
        <translation>中</translation>
    </message>
    <message>
        <source>载波</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>关</source>
        <translation>关</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>禁止</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>开</source>
        <translation>开</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ChannelWindow</name>
    <message>
        <source>禁止</source>
        <translation>禁止</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>信道编辑</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>插入空信道(&amp;I)</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>删除并上移(&amp;L)</source>
        <translation>删除并上移(&amp;L)</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>下移(&amp;W)</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>按接收频率排序(&amp;F)</source>
        <translation>按接收频率排序(&amp;F)</translation>
    </message>
    <message>
        <source>按名称排序(&amp;N)</source>
        <translation>按名称排序(&amp;N)</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>接收亚音频</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>发射亚音频</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>繁忙信道锁定</source>
        <translation>繁忙信道锁定</translation>
    </message>
    <message>
        <source>扫描添加</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>发射禁止</source>
        <translation>发射禁止</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>频道名称</source>
        <translation>频道名称</translation>
    </message>
</context>
<context>
    <name>ChannelWindowTexts</name>
    <message>
        <source>剪贴板第 %1 行</source>
        <translation>剪贴板第 %1 行</translation>
    </message>
    <message>
        <source>剪贴板第 %1 行（频道 %2）</source>
        <translation>剪贴板第 %1 行（频道 %2）</translation>
    </message>
    <message>
        <source>超出频段范围</source>
        <translation>超出频段范围</translation>
    </message>
    <message>
        <source>未粘贴任何内容。</source>
        <translation>未粘贴任何内容。</translation>
    </message>
    <message>
        <source>剪贴板中没有频道行，未粘贴任何内容。</source>
        <translation>剪贴板中没有频道行，未粘贴任何内容。</translation>
    </message>
    <message>
        <source>%1不是频道行：超过 11 列。</source>
        <translation>%1不是频道行：超过 11 列。</translation>
    </message>
    <message>
        <source>%1不是频道行：“%2”列的“%3”不是频率。</source>
        <translation>%1不是频道行：“%2”列的“%3”不是频率。</translation>
    </message>
    <message>
        <source>%1不是频道行：“%2”列的“%3”不是列表中的选项。</source>
        <translation>%1不是频道行：“%2”列的“%3”不是列表中的选项。</translation>
    </message>
    <message numerus="yes">
        <source>%2 行中有 %n 行放不下：从频道 %3 到频道 128 只能放 %4 行。</source>
        <translation>
            <numerusform>%2 行中有 %n 行放不下：从频道 %3 到频道 128 只能放 %4 行。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1：“%2”列的 %3 不在频段 %4 之内。</source>
        <translation>%1：“%2”列的 %3 不在频段 %4 之内。</translation>
    </message>
    <message>
        <source>%1：名称“%2”超过 8 个字符，无法存入对讲机。</source>
        <translation>%1：名称“%2”超过 8 个字符，无法存入对讲机。</translation>
    </message>
    <message>
        <source>%1已损坏，无法读取。</source>
        <translation>%1已损坏，无法读取。</translation>
    </message>
    <message>
        <source>信道%1已被使用，无法插入空信道。</source>
        <translation>信道%1已被使用，无法插入空信道。</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>read PORT FILE                 从对讲机读频并存为数据文件</source>
        <translation>read PORT FILE                 从对讲机读频并存为数据文件</translation>
    </message>
    <message>
        <source>write PORT... FILE             把数据文件写入一台或多台对讲机</source>
        <translation>write PORT... FILE             把数据文件写入一台或多台对讲机</translation>
    </message>
    <message>
        <source>new [--band N] FILE            写入空白数据文件（与新建相同）</source>
        <translation>new [--band N] FILE            写入空白数据文件（与新建相同）</translation>
    </message>
    <message>
        <source>normalize IN OUT               打开 IN 并保存为 OUT</source>
        <translation>normalize IN OUT               打开 IN 并保存为 OUT</translation>
    </message>
    <message>
        <source>show FILE [--json]             列出频道和设置</source>
        <translation>show FILE [--json]             列出频道和设置</translation>
    </message>
    <message>
        <source>diff A B                       比较两个数据文件</source>
        <translation>diff A B                       比较两个数据文件</translation>
    </message>
    <message>
        <source>export FILE CSV                频道表导出为 CSV</source>
        <translation>export FILE CSV                频道表导出为 CSV</translation>
    </message>
    <message>
        <source>import FILE CSV OUT [...]      从 CSV 导入频道</source>
        <translation>import FILE CSV OUT [...]      从 CSV 导入频道</translation>
    </message>
    <message>
        <source>simulate [--band N] ...        在伪终端上模拟对讲机</source>
        <translation>simulate [--band N] ...        在伪终端上模拟对讲机</translation>
    </message>
    <message>
        <source>report FILE OUT.pdf [...]      打印报表存为 PDF</source>
        <translation>report FILE OUT.pdf [...]      打印报表存为 PDF</translation>
    </message>
    <message>
        <source>用法：q731-cli 命令 [参数] [--lang zh|en]

命令：
</source>
        <translation>用法：q731-cli 命令 [参数] [--lang zh|en]

命令：
</translation>
    </message>
    <message>
        <source>
各命令的帮助：q731-cli 命令 --help
PORT 为设备路径（/dev/ttyUSB0、COM3）或端口号 1..16。
</source>
        <translation>
各命令的帮助：q731-cli 命令 --help
PORT 为设备路径（/dev/ttyUSB0、COM3）或端口号 1..16。
</translation>
    </message>
    <message>
        <source>q731-cli：--lang 只能是 zh 或 en</source>
        <translation>q731-cli：--lang 只能是 zh 或 en</translation>
    </message>
    <message>
        <source>q731-cli：没有命令 &quot;%1&quot;</source>
        <translation>q731-cli：没有命令 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>显示本帮助</source>
        <translation>显示本帮助</translation>
    </message>
    <message>
        <source>消息语言：zh 或 en</source>
        <translation>消息语言：zh 或 en</translation>
    </message>
    <message>
        <source>参数太少</source>
        <translation>参数太少</translation>
    </message>
    <message>
        <source>参数太多</source>
        <translation>参数太多</translation>
    </message>
    <message>
        <source>频段应为 0..7</source>
        <translation>频段应为 0..7</translation>
    </message>
    <message>
        <source>用法见 q731-cli %1 --help</source>
        <translation>用法见 q731-cli %1 --help</translation>
    </message>
    <message>
        <source>写入一个空白数据文件：窗口程序新建、选择频段 N 后保存的文件。</source>
        <translation>写入一个空白数据文件：窗口程序新建、选择频段 N 后保存的文件。</translation>
    </message>
    <message>
        <source>要写入的数据文件</source>
        <translation>要写入的数据文件</translation>
    </message>
    <message>
        <source>频段 0..7（默认 3，新建所选的频段）</source>
        <translation>频段 0..7（默认 3，新建所选的频段）</translation>
    </message>
    <message>
        <source>打开 IN 再保存为 OUT，结果与窗口程序打开后保存相同。</source>
        <translation>打开 IN 再保存为 OUT，结果与窗口程序打开后保存相同。</translation>
    </message>
    <message>
        <source>数据文件</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <source>列出数据文件的频道和设置。</source>
        <translation>列出数据文件的频道和设置。</translation>
    </message>
    <message>
        <source>以 JSON 输出</source>
        <translation>以 JSON 输出</translation>
    </message>
    <message>
        <source>按频道和设置名列出两个数据文件的不同。</source>
        <translation>按频道和设置名列出两个数据文件的不同。</translation>
    </message>
    <message>
        <source>按窗口程序比较时的名称和显示方式列出（随语言而变）</source>
        <translation>按窗口程序比较时的名称和显示方式列出（随语言而变）</translation>
    </message>
    <message>
        <source>把频道表写成 CSV 频道清单。</source>
        <translation>把频道表写成 CSV 频道清单。</translation>
    </message>
    <message>
        <source>要写入的 CSV 文件（- 为标准输出）</source>
        <translation>要写入的 CSV 文件（- 为标准输出）</translation>
    </message>
    <message>
        <source>把 CSV 频道清单放入 FILE 的频道表，保存为 OUT。</source>
        <translation>把 CSV 频道清单放入 FILE 的频道表，保存为 OUT。</translation>
    </message>
    <message>
        <source>CSV 文件（- 为标准输入）</source>
        <translation>CSV 文件（- 为标准输入）</translation>
    </message>
    <message>
        <source>跳过无效的行，导入其余的行</source>
        <translation>跳过无效的行，导入其余的行</translation>
    </message>
    <message>
        <source>值会被改动的行（步进、名称、功率）视为无效</source>
        <translation>值会被改动的行（步进、名称、功率）视为无效</translation>
    </message>
    <message>
        <source>不按 Location，按文件顺序放入空闲频道</source>
        <translation>不按 Location，按文件顺序放入空闲频道</translation>
    </message>
    <message>
        <source>--renumber 从频道 N 起（默认 1）</source>
        <translation>--renumber 从频道 N 起（默认 1）</translation>
    </message>
    <message>
        <source>先清空频道表</source>
        <translation>先清空频道表</translation>
    </message>
    <message>
        <source>--first 应为 1..128</source>
        <translation>--first 应为 1..128</translation>
    </message>
    <message>
        <source>--first 须与 --renumber 同用</source>
        <translation>--first 须与 --renumber 同用</translation>
    </message>
    <message>
        <source>没有写入任何文件</source>
        <translation>没有写入任何文件</translation>
    </message>
    <message>
        <source>（没有这个设备）</source>
        <translation>（没有这个设备）</translation>
    </message>
    <message>
        <source>（已被其它程序使用或被驱动拒绝）</source>
        <translation>（已被其它程序使用或被驱动拒绝）</translation>
    </message>
    <message>
        <source>（没有权限，例如不在 dialout 组）</source>
        <translation>（没有权限，例如不在 dialout 组）</translation>
    </message>
    <message>
        <source>串行端口无效</source>
        <translation>串行端口无效</translation>
    </message>
    <message>
        <source>（对讲机的回答有误）</source>
        <translation>（对讲机的回答有误）</translation>
    </message>
    <message>
        <source>频段不符，不能写入！</source>
        <translation>频段不符，不能写入！</translation>
    </message>
    <message>
        <source>端口号 %1 不在 1..16 之内</source>
        <translation>端口号 %1 不在 1..16 之内</translation>
    </message>
    <message>
        <source>端口 %1 出现两次</source>
        <translation>端口 %1 出现两次</translation>
    </message>
    <message>
        <source>读取 PORT 上的对讲机，按收到的原样存为数据文件 FILE。</source>
        <translation>读取 PORT 上的对讲机，按收到的原样存为数据文件 FILE。</translation>
    </message>
    <message>
        <source>设备路径或端口号 1..16</source>
        <translation>设备路径或端口号 1..16</translation>
    </message>
    <message>
        <source>读频成功！</source>
        <translation>读频成功！</translation>
    </message>
    <message>
        <source>打开数据文件 FILE，写入每个 PORT 上的对讲机。</source>
        <translation>打开数据文件 FILE，写入每个 PORT 上的对讲机。</translation>
    </message>
    <message>
        <source>设备路径或端口号 1..16，可以多个</source>
        <translation>设备路径或端口号 1..16，可以多个</translation>
    </message>
    <message>
        <source>频段不符时仍然写入</source>
        <translation>频段不符时仍然写入</translation>
    </message>
    <message>
        <source>同时写入校准值</source>
        <translation>同时写入校准值</translation>
    </message>
    <message>
        <source>写入后读回并比较</source>
        <translation>写入后读回并比较</translation>
    </message>
    <message>
        <source>写入完成，但读回失败：</source>
        <translation>写入完成，但读回失败：</translation>
    </message>
    <message>
        <source>校验不符：字节 %1 (0x%2) 写入 0x%3，读回 0x%4（%5）</source>
        <translation>校验不符：字节 %1 (0x%2) 写入 0x%3，读回 0x%4（%5）</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>写频成功！</source>
        <translation>写频成功！</translation>
    </message>
    <message>
        <source> 已校验</source>
        <translation> 已校验</translation>
    </message>
    <message>
        <source>把数据文件的打印报表存为 PDF，内容与窗口程序的打印预览相同。</source>
        <translation>把数据文件的打印报表存为 PDF，内容与窗口程序的打印预览相同。</translation>
    </message>
    <message>
        <source>要写入的 PDF 文件（- 为标准输出）</source>
        <translation>要写入的 PDF 文件（- 为标准输出）</translation>
    </message>
    <message>
        <source>纸张：a4 或 letter（默认按系统的度量制）</source>
        <translation>纸张：a4 或 letter（默认按系统的度量制）</translation>
    </message>
    <message>
        <source>信道表只列出使用中的信道</source>
        <translation>信道表只列出使用中的信道</translation>
    </message>
    <message>
        <source>每页开头印出文件名、频段和日期</source>
        <translation>每页开头印出文件名、频段和日期</translation>
    </message>
    <message>
        <source>--paper 只能是 a4 或 letter</source>
        <translation>--paper 只能是 a4 或 letter</translation>
    </message>
    <message>
        <source>无法生成报表：没有写入任何文件</source>
        <translation>无法生成报表：没有写入任何文件</translation>
    </message>
    <message>
        <source>对讲机的频段 0..7</source>
        <translation>对讲机的频段 0..7</translation>
    </message>
    <message>
        <source>从数据文件取对讲机的存储</source>
        <translation>从数据文件取对讲机的存储</translation>
    </message>
    <message>
        <source>以 9600 波特的速度回答</source>
        <translation>以 9600 波特的速度回答</translation>
    </message>
    <message>
        <source>每次写入后及结束时把存储存为数据文件</source>
        <translation>每次写入后及结束时把存储存为数据文件</translation>
    </message>
    <message>
        <source>回答的每个字节单独发送（测试用）</source>
        <translation>回答的每个字节单独发送（测试用）</translation>
    </message>
    <message>
        <source>从不回答（测试用）</source>
        <translation>从不回答（测试用）</translation>
    </message>
    <message>
        <source>N 个数据块后断线（测试用）</source>
        <translation>N 个数据块后断线（测试用）</translation>
    </message>
    <message>
        <source>识别之后不停地发 ACK，什么也不存（测试用）</source>
        <translation>识别之后不停地发 ACK，什么也不存（测试用）</translation>
    </message>
    <message>
        <source>用下一个数据块回答第 N 个读请求（从 0 起，测试用）</source>
        <translation>用下一个数据块回答第 N 个读请求（从 0 起，测试用）</translation>
    </message>
    <message>
        <source>写入时把存储字节 N 的最低位存反（0..3071，测试用）</source>
        <translation>写入时把存储字节 N 的最低位存反（0..3071，测试用）</translation>
    </message>
    <message>
        <source>无法建立伪终端：%1</source>
        <translation>无法建立伪终端：%1</translation>
    </message>
    <message>
        <source>在伪终端上模拟一台对讲机。第一行输出为 PORT 设备路径；直到被终止或标准输入关闭。</source>
        <translation>在伪终端上模拟一台对讲机。第一行输出为 PORT 设备路径；直到被终止或标准输入关闭。</translation>
    </message>
    <message>
        <source>--stop-after 需要块数</source>
        <translation>--stop-after 需要块数</translation>
    </message>
    <message>
        <source>--wrong-address 需要请求序号</source>
        <translation>--wrong-address 需要请求序号</translation>
    </message>
    <message>
        <source>--corrupt-byte 需要 0..3071 的字节地址</source>
        <translation>--corrupt-byte 需要 0..3071 的字节地址</translation>
    </message>
    <message>
        <source>本系统没有伪终端</source>
        <translation>本系统没有伪终端</translation>
    </message>
    <message>
        <source>大小超过 %1 MiB，不可能是 CSV 频道清单</source>
        <translation>大小超过 %1 MiB，不可能是 CSV 频道清单</translation>
    </message>
    <message>
        <source>大小超过 %1 KiB，不可能是数据文件</source>
        <translation>大小超过 %1 KiB，不可能是数据文件</translation>
    </message>
    <message>
        <source>无法读取标准输入：%1</source>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>无法写入标准输出</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>它不是普通文件，而是文件夹、设备、管道或套接字；未作改动</source>
        <translation>它不是普通文件，而是文件夹、设备、管道或套接字；未作改动</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>文件类型不正确！</source>
        <translation>文件类型不正确！</translation>
    </message>
    <message>
        <source>%1：文件不完整（%2 字节，应为 %3 字节）</source>
        <translation>%1：文件不完整（%2 字节，应为 %3 字节）</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>值</source>
        <translation>值</translation>
    </message>
    <message>
        <source>控件</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>把收发的每个字节记录到 FILE</source>
        <translation>把收发的每个字节记录到 FILE</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>与电台比较</source>
        <translation>与电台比较</translation>
    </message>
    <message>
        <source>与文件比较</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>%1与本程序中的数据没有不同之处。</source>
        <translation>%1与本程序中的数据没有不同之处。</translation>
    </message>
    <message numerus="yes">
        <source>%1与本程序中的数据有 %n 处不同。</source>
        <translation>
            <numerusform>%1与本程序中的数据有 %n 处不同。</numerusform>
        </translation>
    </message>
    <message>
        <source>项目</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>电台中</source>
        <translation>电台中</translation>
    </message>
    <message>
        <source>文件中</source>
        <translation>文件中</translation>
    </message>
    <message>
        <source>本程序中</source>
        <translation>本程序中</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>电台</source>
        <translation>电台</translation>
    </message>
</context>
<context>
    <name>CsvTexts</name>
    <message numerus="yes">
        <source>%n 行</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2：超出频段范围 (%3)</source>
        <translation>%1 %2：超出频段范围 (%3)</translation>
    </message>
    <message>
        <source>Location 不是 1..128 的频道号</source>
        <translation>Location 不是 1..128 的频道号</translation>
    </message>
    <message>
        <source>同一频道在前面的行已出现</source>
        <translation>同一频道在前面的行已出现</translation>
    </message>
    <message>
        <source>超出频段范围 (%1)</source>
        <translation>超出频段范围 (%1)</translation>
    </message>
    <message>
        <source>没有频率可放入</source>
        <translation>没有频率可放入</translation>
    </message>
    <message>
        <source>没有空闲频道</source>
        <translation>没有空闲频道</translation>
    </message>
    <message>
        <source>值会被改动（--strict）</source>
        <translation>值会被改动（--strict）</translation>
    </message>
    <message>
        <source>%1 无效</source>
        <translation>%1 无效</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>缺少 %1 列</source>
        <translation>缺少 %1 列</translation>
    </message>
    <message>
        <source>没有标题行</source>
        <translation>没有标题行</translation>
    </message>
    <message>
        <source>Location &quot;%1&quot; 不是 1..128 的频道号</source>
        <translation>Location &quot;%1&quot; 不是 1..128 的频道号</translation>
    </message>
    <message>
        <source>频道 %1 已在前面出现</source>
        <translation>频道 %1 已在前面出现</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是数字</source>
        <translation>%1 &quot;%2&quot; 不是数字</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; 应为空、+、-、split 或 off</source>
        <translation>Duplex &quot;%1&quot; 应为空、+、-、split 或 off</translation>
    </message>
    <message>
        <source>Offset &quot;%1&quot; 不是数字</source>
        <translation>Offset &quot;%1&quot; 不是数字</translation>
    </message>
    <message>
        <source>Tone &quot;%1&quot; 应为空、Tone、TSQL、DTCS 或 Cross</source>
        <translation>Tone &quot;%1&quot; 应为空、Tone、TSQL、DTCS 或 Cross</translation>
    </message>
    <message>
        <source>CrossMode &quot;%1&quot; 无法识别</source>
        <translation>CrossMode &quot;%1&quot; 无法识别</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是本机的亚音频</source>
        <translation>%1 &quot;%2&quot; 不是本机的亚音频</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是本机的数字亚音</source>
        <translation>%1 &quot;%2&quot; 不是本机的数字亚音</translation>
    </message>
    <message>
        <source>DtcsPolarity &quot;%1&quot; 应为 NN、NR、RN 或 RR</source>
        <translation>DtcsPolarity &quot;%1&quot; 应为 NN、NR、RN 或 RR</translation>
    </message>
    <message>
        <source>Mode &quot;%1&quot; 应为 FM 或 NFM</source>
        <translation>Mode &quot;%1&quot; 应为 FM 或 NFM</translation>
    </message>
    <message>
        <source>Skip &quot;%1&quot; 应为空、S 或 P</source>
        <translation>Skip &quot;%1&quot; 应为空、S 或 P</translation>
    </message>
    <message>
        <source>Power &quot;%1&quot; 应为 Low、Mid、High 或瓦数</source>
        <translation>Power &quot;%1&quot; 应为 Low、Mid、High 或瓦数</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 数值太大，无法读取</source>
        <translation>%1 &quot;%2&quot; 数值太大，无法读取</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 应为 On 或 Off</source>
        <translation>%1 &quot;%2&quot; 应为 On 或 Off</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>引号没有结束</translation>
    </message>
    <message>
        <source>Frequency 为空：重新编号时没有可清空的频道</source>
        <translation>Frequency 为空：重新编号时没有可清空的频道</translation>
    </message>
    <message>
        <source>从频道 %1 到 128 已没有空闲频道</source>
        <translation>从频道 %1 到 128 已没有空闲频道</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2（移到 5/6.25 kHz 步进上）</source>
        <translation>Frequency %1 -&gt; %2（移到 5/6.25 kHz 步进上）</translation>
    </message>
    <message>
        <source>发射频率 %1 -&gt; %2（移到 5/6.25 kHz 步进上）</source>
        <translation>发射频率 %1 -&gt; %2（移到 5/6.25 kHz 步进上）</translation>
    </message>
    <message>
        <source>转为大写</source>
        <translation>转为大写</translation>
    </message>
    <message numerus="yes">
        <source>去掉 %n 个字符</source>
        <translation>
            <numerusform>去掉 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>截为 8 个字符</source>
        <translation>截为 8 个字符</translation>
    </message>
    <message>
        <source>名称为空</source>
        <translation>名称为空</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; -&gt; &quot;%2&quot;（%3）</source>
        <translation>Name &quot;%1&quot; -&gt; &quot;%2&quot;（%3）</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; 与第 %2 行的名称相同</source>
        <translation>Name &quot;%1&quot; 与第 %2 行的名称相同</translation>
    </message>
    <message>
        <source>Power &quot;%1&quot; -&gt; %2（最接近的功率档）</source>
        <translation>Power &quot;%1&quot; -&gt; %2（最接近的功率档）</translation>
    </message>
    <message>
        <source>；因 --strict 跳过此行</source>
        <translation>；因 --strict 跳过此行</translation>
    </message>
    <message>
        <source>警告：%1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 第 %2 行：%3</source>
        <translation>%1 第 %2 行：%3</translation>
    </message>
    <message>
        <source>，放入频道 %1..%2</source>
        <translation>，放入频道 %1..%2</translation>
    </message>
    <message numerus="yes">
        <source>（%n 行有警告）</source>
        <translation>
            <numerusform>（%n 行有警告）</numerusform>
        </translation>
    </message>
    <message>
        <source>将导入：%1%2%3</source>
        <translation>将导入：%1%2%3</translation>
    </message>
    <message>
        <source>已导入：%1%2%3</source>
        <translation>已导入：%1%2%3</translation>
    </message>
    <message>
        <source>将替换正在使用的频道：%1</source>
        <translation>将替换正在使用的频道：%1</translation>
    </message>
    <message>
        <source>将清空正在使用的频道：%1</source>
        <translation>将清空正在使用的频道：%1</translation>
    </message>
    <message>
        <source>将跳过：%1</source>
        <translation>将跳过：%1</translation>
    </message>
    <message>
        <source>已跳过：%1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>  %1：%2</source>
        <translation>  %1：%2</translation>
    </message>
    <message>
        <source>没有可导入的行</source>
        <translation>没有可导入的行</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; 不是频率（数据已损坏）</source>
        <translation>%1 &quot;%2&quot; 不是频率（数据已损坏）</translation>
    </message>
    <message>
        <source>频道 %1 未导出：%2</source>
        <translation>频道 %1 未导出：%2</translation>
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
        <translation>%1毫秒</translation>
    </message>
    <message>
        <source>自动拔号存储器</source>
        <translation>自动拔号存储器</translation>
    </message>
    <message>
        <source>其它功能</source>
        <translation>其它功能</translation>
    </message>
    <message>
        <source>第一组自动拔号存储器</source>
        <translation>第一组自动拔号存储器</translation>
    </message>
    <message>
        <source>第二组自动拔号存储器</source>
        <translation>第二组自动拔号存储器</translation>
    </message>
    <message>
        <source>第三组自动拔号存储器</source>
        <translation>第三组自动拔号存储器</translation>
    </message>
    <message>
        <source>第四组自动拔号存储器</source>
        <translation>第四组自动拔号存储器</translation>
    </message>
    <message>
        <source>第五组自动拔号存储器</source>
        <translation>第五组自动拔号存储器</translation>
    </message>
    <message>
        <source>第六组自动拔号存储器</source>
        <translation>第六组自动拔号存储器</translation>
    </message>
    <message>
        <source>第七组自动拔号存储器</source>
        <translation>第七组自动拔号存储器</translation>
    </message>
    <message>
        <source>第八组自动拔号存储器</source>
        <translation>第八组自动拔号存储器</translation>
    </message>
    <message>
        <source>ANI开始码：</source>
        <translation>ANI开始码：</translation>
    </message>
    <message>
        <source>ANI结束码：</source>
        <translation>ANI结束码：</translation>
    </message>
    <message>
        <source>自身码：</source>
        <translation>自身码：</translation>
    </message>
    <message>
        <source>发射开始</source>
        <translation>发射开始</translation>
    </message>
    <message>
        <source>发射结束</source>
        <translation>发射结束</translation>
    </message>
    <message>
        <source>两者</source>
        <translation>两者</translation>
    </message>
    <message>
        <source>DTMF速率：</source>
        <translation>DTMF速率：</translation>
    </message>
    <message>
        <source>快</source>
        <translation>快</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>首位数码延迟：</source>
        <translation>首位数码延迟：</translation>
    </message>
    <message>
        <source>群呼码：</source>
        <translation>群呼码：</translation>
    </message>
    <message>
        <source>空</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>它不是普通文件，而是设备、管道或套接字</source>
        <translation>它不是普通文件，而是设备、管道或套接字</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>没有写入该文件夹的权限</source>
        <translation>没有写入该文件夹的权限</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>无法打开文件%1：%2。</source>
        <translation>无法打开文件%1：%2。</translation>
    </message>
</context>
<context>
    <name>FmWindow</name>
    <message>
        <source>FM频道设置</source>
        <translation>FM频道设置</translation>
    </message>
    <message>
        <source>频率模式(频率):</source>
        <translation>频率模式(频率):</translation>
    </message>
    <message>
        <source>当前收音机工作频道:</source>
        <translation>当前收音机工作频道:</translation>
    </message>
    <message>
        <source>显示模式:</source>
        <translation>显示模式:</translation>
    </message>
    <message>
        <source>收音机步进频率:</source>
        <translation>收音机步进频率:</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>频率(MHz)</source>
        <translation>频率(MHz)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助主题</source>
        <translation>帮助主题</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>未找到“%1”</source>
        <translation>未找到“%1”</translation>
    </message>
    <message>
        <source>找不到帮助手册。已在以下位置查找：<byte value="xd"/>
%1</source>
        <translation>找不到帮助手册。已在以下位置查找：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>无法用系统的浏览器打开以下链接：<byte value="xd"/>
%1</source>
        <translation>无法用系统的浏览器打开以下链接：<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>导入信道(CSV)</source>
        <translation>导入信道(CSV)</translation>
    </message>
    <message>
        <source>放入哪些频道</source>
        <translation>放入哪些频道</translation>
    </message>
    <message>
        <source>各行放入其 Location 所指的频道</source>
        <translation>各行放入其 Location 所指的频道</translation>
    </message>
    <message>
        <source>按文件顺序放入空闲频道，从频道</source>
        <translation>按文件顺序放入空闲频道，从频道</translation>
    </message>
    <message>
        <source>先清空信道表</source>
        <translation>先清空信道表</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>通信出错，请检查对讲机，连线及串口选择！</source>
        <translation>通信出错，请检查对讲机，连线及串口选择！</translation>
    </message>
    <message>
        <source>通信中断：连线或串口已断开，请检查连线后重试！</source>
        <translation>通信中断：连线或串口已断开，请检查连线后重试！</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>与文件比较…</source>
        <translation>与文件比较…</translation>
    </message>
    <message>
        <source>写入多台电台…</source>
        <translation>写入多台电台…</translation>
    </message>
    <message>
        <source>与电台比较(&amp;M)…</source>
        <translation>与电台比较(&amp;M)…</translation>
    </message>
    <message>
        <source>信道行(&amp;H)</source>
        <translation>信道行(&amp;H)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>menu item that opens the About box</comment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>中文(&amp;C)</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>通信端口(&amp;C)</source>
        <translation>通信端口(&amp;C)</translation>
    </message>
    <message>
        <source>调试信息(&amp;B)</source>
        <translation>调试信息(&amp;B)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>英文(&amp;E)</source>
        <translation>英文(&amp;E)</translation>
    </message>
    <message>
        <source>帮助主题(F1)</source>
        <translation>帮助主题(F1)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>the Help menu</comment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>语言选择(&amp;L)</source>
        <translation>语言选择(&amp;L)</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>信道编辑(&amp;M)</source>
        <translation>信道编辑(&amp;M)</translation>
    </message>
    <message>
        <source>DTMF信令(&amp;D)</source>
        <translation>DTMF信令(&amp;D)</translation>
    </message>
    <message>
        <source>可选功能(&amp;P)</source>
        <translation>可选功能(&amp;P)</translation>
    </message>
    <message>
        <source>收音机频道设置</source>
        <translation>收音机频道设置</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>打开(&amp;O)</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>导入信道(CSV)…</source>
        <translation>导入信道(CSV)…</translation>
    </message>
    <message>
        <source>导出信道(CSV)…</source>
        <translation>导出信道(CSV)…</translation>
    </message>
    <message>
        <source>编程(&amp;G)</source>
        <translation>编程(&amp;G)</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>读频(&amp;R)</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>写后校验</source>
        <translation>写后校验</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>读频</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>写频</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>关闭频段强制模式（双击）</source>
        <translation>关闭频段强制模式（双击）</translation>
    </message>
    <message>
        <source>关闭校准模式（双击）</source>
        <translation>关闭校准模式（双击）</translation>
    </message>
    <message>
        <source>关闭扩展选项模式（双击）</source>
        <translation>关闭扩展选项模式（双击）</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>NewChannel</name>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <source>关</source>
        <translation>关</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>宽带</translation>
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
        <translation>可选功能</translation>
    </message>
    <message>
        <source>显式模式:</source>
        <translation>显式模式:</translation>
    </message>
    <message>
        <source>频移:</source>
        <translation>频移:</translation>
    </message>
    <message>
        <source>倒频:</source>
        <translation>倒频:</translation>
    </message>
    <message>
        <source>开机密码设定:</source>
        <translation>开机密码设定:</translation>
    </message>
    <message>
        <source>VOX增益电平:</source>
        <translation>VOX增益电平:</translation>
    </message>
    <message>
        <source>VOX延迟时间(秒):</source>
        <translation>VOX延迟时间(秒):</translation>
    </message>
    <message>
        <source>收音机搜台模式:</source>
        <translation>收音机搜台模式:</translation>
    </message>
    <message>
        <source>通话结束提示音:</source>
        <translation>通话结束提示音:</translation>
    </message>
    <message>
        <source>发射超时:</source>
        <translation>发射超时:</translation>
    </message>
    <message>
        <source>优先扫描频道:</source>
        <translation>优先扫描频道:</translation>
    </message>
    <message>
        <source>全频频率:</source>
        <translation>全频频率:</translation>
    </message>
    <message>
        <source>异频数:</source>
        <translation>异频数:</translation>
    </message>
    <message>
        <source>接收亚音频:</source>
        <translation>接收亚音频:</translation>
    </message>
    <message>
        <source>发射亚音频:</source>
        <translation>发射亚音频:</translation>
    </message>
    <message>
        <source>功率:</source>
        <translation>功率:</translation>
    </message>
    <message>
        <source>繁忙信道锁定:</source>
        <translation>繁忙信道锁定:</translation>
    </message>
    <message>
        <source>扫描添加:</source>
        <translation>扫描添加:</translation>
    </message>
    <message>
        <source>宽窄带:</source>
        <translation>宽窄带:</translation>
    </message>
    <message>
        <source>发射禁止:</source>
        <translation>发射禁止:</translation>
    </message>
    <message>
        <source>压扩:</source>
        <translation>压扩:</translation>
    </message>
    <message>
        <source>扰频:</source>
        <translation>扰频:</translation>
    </message>
    <message>
        <source>步进频率:</source>
        <translation>步进频率:</translation>
    </message>
    <message>
        <source>异频:</source>
        <translation>异频:</translation>
    </message>
    <message>
        <source>开机显示字符:</source>
        <translation>开机显示字符:</translation>
    </message>
    <message>
        <source>自命名频道名称:</source>
        <translation>自命名频道名称:</translation>
    </message>
    <message>
        <source>锁键模式:</source>
        <translation>锁键模式:</translation>
    </message>
    <message>
        <source>频道分组:</source>
        <translation>频道分组:</translation>
    </message>
    <message>
        <source>尾音消除:</source>
        <translation>尾音消除:</translation>
    </message>
    <message>
        <source>背光灯方式:</source>
        <translation>背光灯方式:</translation>
    </message>
    <message>
        <source>VOX 开关:</source>
        <translation>VOX 开关:</translation>
    </message>
    <message>
        <source>开机信息显示方式:</source>
        <translation>开机信息显示方式:</translation>
    </message>
    <message>
        <source>记忆频道显示模式:</source>
        <translation>记忆频道显示模式:</translation>
    </message>
    <message>
        <source>自动关机:</source>
        <translation>自动关机:</translation>
    </message>
    <message>
        <source>语音模式:</source>
        <translation>语音模式:</translation>
    </message>
    <message>
        <source>4位开机密码:</source>
        <translation>4位开机密码:</translation>
    </message>
    <message>
        <source>静噪等级:</source>
        <translation>静噪等级:</translation>
    </message>
    <message>
        <source>当前频道数:</source>
        <translation>当前频道数:</translation>
    </message>
    <message>
        <source>提示音:</source>
        <translation>提示音:</translation>
    </message>
    <message>
        <source>省电:</source>
        <translation>省电:</translation>
    </message>
    <message>
        <source>按键锁:</source>
        <translation>按键锁:</translation>
    </message>
    <message>
        <source>扫描模式:</source>
        <translation>扫描模式:</translation>
    </message>
    <message>
        <source>收音机监听信号:</source>
        <translation>收音机监听信号:</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>频道</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>关</source>
        <translation>关</translation>
    </message>
    <message>
        <source>开</source>
        <translation>开</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>禁止</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>低</source>
        <translation>低</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <source>载波</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>上锁</source>
        <translation>上锁</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>+异频</source>
        <translation>+异频</translation>
    </message>
    <message>
        <source>-异频</source>
        <translation>-异频</translation>
    </message>
    <message>
        <source>无异频</source>
        <translation>无异频</translation>
    </message>
    <message>
        <source>允许取消操作</source>
        <translation>允许取消操作</translation>
    </message>
    <message>
        <source>接收时禁止VOX</source>
        <translation>接收时禁止VOX</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>全频频率</source>
        <translation>全频频率</translation>
    </message>
    <message>
        <source>VOX(声控发射)</source>
        <translation>VOX(声控发射)</translation>
    </message>
    <message>
        <source>%1 分钟</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 小时</source>
        <translation>%1 小时</translation>
    </message>
</context>
<context>
    <name>PrintReport</name>
    <message>
        <source>ZR-614对讲机</source>
        <translation>ZR-614对讲机</translation>
    </message>
    <message>
        <source>编程数据打印</source>
        <translation>编程数据打印</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>全频频率</source>
        <translation>全频频率</translation>
    </message>
    <message>
        <source>VOX(声控发射)</source>
        <translation>VOX(声控发射)</translation>
    </message>
    <message>
        <source>是否</source>
        <translation>是否</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>调试信息</source>
        <translation>调试信息</translation>
    </message>
    <message>
        <source>信道数据</source>
        <translation>信道数据</translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>文件：%1    频段：%2    日期：%3</source>
        <translation>文件：%1    频段：%2    日期：%3</translation>
    </message>
    <message>
        <source>（未保存）</source>
        <translation>（未保存）</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Q-731 对讲机编程软件</source>
        <translation>Q-731 对讲机编程软件</translation>
    </message>
    <message>
        <source>%1V%2</source>
        <translation>%1V%2</translation>
    </message>
    <message>
        <source>简体中文版 V%1</source>
        <translation>简体中文版 V%1</translation>
    </message>
    <message>
        <source>Q-731 编程软件开发组</source>
        <translation>Q-731 编程软件开发组</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>正在读频，请稍候。</source>
        <translation>正在读频，请稍候。</translation>
    </message>
    <message>
        <source>正在读取……</source>
        <translation>正在读取……</translation>
    </message>
    <message>
        <source>正在写频，请稍候。</source>
        <translation>正在写频，请稍候。</translation>
    </message>
    <message>
        <source>正在写入……</source>
        <translation>正在写入……</translation>
    </message>
    <message>
        <source>正在读回校验，请稍候。</source>
        <translation>正在读回校验，请稍候。</translation>
    </message>
    <message>
        <source>正在校验……</source>
        <translation>正在校验……</translation>
    </message>
</context>
<context>
    <name>WriteSeveralDialog</name>
    <message>
        <source>写入多台电台</source>
        <translation>写入多台电台</translation>
    </message>
    <message>
        <source>勾选接有对讲机的端口，然后按“写频”：本程序中的数据同时写入每一台。</source>
        <translation>勾选接有对讲机的端口，然后按“写频”：本程序中的数据同时写入每一台。</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>写频(&amp;W)</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>与%1是同一设备，没有再写一次。</source>
        <translation>与%1是同一设备，没有再写一次。</translation>
    </message>
    <message numerus="yes">
        <source>正在写入 %n 台对讲机……</source>
        <translation>
            <numerusform>正在写入 %n 台对讲机……</numerusform>
        </translation>
    </message>
    <message>
        <source>已取消，没有写入。</source>
        <translation>已取消，没有写入。</translation>
    </message>
    <message>
        <source>写入成功 %1 台，没有成功 %2 台。</source>
        <translation>写入成功 %1 台，没有成功 %2 台。</translation>
    </message>
</context>
<context>
    <name>q731::ChannelListCommands</name>
    <message>
        <source>CSV文件(*.csv);;所有文件(*.*)</source>
        <translation>CSV文件(*.csv);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>大小超过 %1 MiB，不可能是 CSV 频道清单</source>
        <translation>大小超过 %1 MiB，不可能是 CSV 频道清单</translation>
    </message>
    <message>
        <source>导入信道(CSV)</source>
        <translation>导入信道(CSV)</translation>
    </message>
    <message>
        <source>导出信道(CSV)</source>
        <translation>导出信道(CSV)</translation>
    </message>
    <message>
        <source>文件%1不是 CSV 频道清单：%2。</source>
        <translation>文件%1不是 CSV 频道清单：%2。</translation>
    </message>
    <message>
        <source>无法导出到文件%1：%2。<byte value="xd"/>
文件未被改动。</source>
        <translation>无法导出到文件%1：%2。<byte value="xd"/>
文件未被改动。</translation>
    </message>
    <message>
        <source>以下频道数据已损坏，未导出：</source>
        <translation>以下频道数据已损坏，未导出：</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>q731::FileCommands</name>
    <message>
        <source>大小超过 %1 KiB，不可能是数据文件</source>
        <translation>大小超过 %1 KiB，不可能是数据文件</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>文件%1已不存在，已从最近的文件中删去。</source>
        <translation>文件%1已不存在，已从最近的文件中删去。</translation>
    </message>
    <message>
        <source>与文件比较</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>文件类型不正确！</source>
        <translation>文件类型不正确！</translation>
    </message>
    <message>
        <source>文件%1不完整：只有 %2 字节，应为 %3 字节。</source>
        <translation>文件%1不完整：只有 %2 字节，应为 %3 字节。</translation>
    </message>
    <message>
        <source>无法保存文件%1：%2。<byte value="xd"/>
文件未被改动。</source>
        <translation>无法保存文件%1：%2。<byte value="xd"/>
文件未被改动。</translation>
    </message>
</context>
<context>
    <name>q731::FmWindow</name>
    <message>
        <source>超出频率范围(76-108)，请重输。</source>
        <translation>超出频率范围(76-108)，请重输。</translation>
    </message>
    <message>
        <source>超出频率范围(76-107.95)，请重输。</source>
        <translation>超出频率范围(76-107.95)，请重输。</translation>
    </message>
</context>
<context>
    <name>q731::MainWindow</name>
    <message>
        <source>确定退出本程序？<byte value="xd"/>
未保存的更改将全部丢失！</source>
        <translation>确定退出本程序？<byte value="xd"/>
未保存的更改将全部丢失！</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>q731::PortChooser</name>
    <message>
        <source>没有设备</source>
        <translation>没有设备</translation>
    </message>
    <message>
        <source>%1：没有这个设备</source>
        <translation>%1：没有这个设备</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.</source>
        <translation>串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.</translation>
    </message>
    <message>
        <source>串行端口无效</source>
        <translation>串行端口无效</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
没有打开 %1 的权限。请把当前用户加入 %2 组（sudo usermod -aG %2 $USER），然后注销并重新登录。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
没有打开 %1 的权限。请把当前用户加入 %2 组（sudo usermod -aG %2 $USER），然后注销并重新登录。</translation>
    </message>
</context>
<context>
    <name>q731::PrintPreview</name>
    <message>
        <source>另存为PDF</source>
        <translation>另存为PDF</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>仅使用中的信道</source>
        <translation>仅使用中的信道</translation>
    </message>
    <message>
        <source>页眉：文件、频段、日期</source>
        <translation>页眉：文件、频段、日期</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>打印失败。</source>
        <translation>打印失败。</translation>
    </message>
    <message>
        <source>无法保存文件“%1”。</source>
        <translation>无法保存文件“%1”。</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>q731::Session</name>
    <message>
        <source>注意！</source>
        <translation>注意！</translation>
    </message>
    <message>
        <source>改变频段将清除频道列表，确定吗？</source>
        <translation>改变频段将清除频道列表，确定吗？</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>未保存的数据将会丢失，确定吗？</source>
        <translation>未保存的数据将会丢失，确定吗？</translation>
    </message>
</context>
<context>
    <name>q731::TransferController</name>
    <message>
        <source>读频成功！</source>
        <translation>读频成功！</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>……另有 %1 项</source>
        <translation>……另有 %1 项</translation>
    </message>
    <message>
        <source>写频已完成，但校验不符。对讲机中以下内容与写入的不同：</source>
        <translation>写频已完成，但校验不符。对讲机中以下内容与写入的不同：</translation>
    </message>
    <message>
        <source>请检查对讲机后重新写频。</source>
        <translation>请检查对讲机后重新写频。</translation>
    </message>
    <message>
        <source>写频成功！</source>
        <translation>写频成功！</translation>
    </message>
    <message>
        <source>频段不符，不能写入！</source>
        <translation>频段不符，不能写入！</translation>
    </message>
    <message>
        <source>写频已完成，但读回校验失败：</source>
        <translation>写频已完成，但读回校验失败：</translation>
    </message>
    <message>
        <source>写频成功！已读回校验，数据一致。</source>
        <translation>写频成功！已读回校验，数据一致。</translation>
    </message>
    <message>
        <source>频段不符，是否强制写入？</source>
        <translation>频段不符，是否强制写入？</translation>
    </message>
    <message>
        <source>正在与对讲机通信，请等它结束后再试。</source>
        <translation>正在与对讲机通信，请等它结束后再试。</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>注意</translation>
    </message>
</context>
</TS>
