#include "captions.h"

#include "image/texts.h"
#include "session/product.h"

namespace q731 {

namespace {

using Kind = CaptionEntry::Kind;

// "<prefix><step * i><suffix>" for i = from .. from + count - 1.
QStringList numbered(int from, int count, int step, const char *prefix, const char *suffix)
{
    QStringList items;
    for (int i = from; i < from + count; ++i)
        items << QString::fromUtf8(prefix) + QString::number(step * i) + QString::fromUtf8(suffix);
    return items;
}

template<typename Strings>
QStringList Texts(const Strings &texts)
{
    QStringList items;
    for (const auto &text : texts)
        items << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return items;
}

std::vector<CaptionEntry> BuildTable()
{
    std::vector<CaptionEntry> table;
    auto e = [&table](const QString &window, const QString &control, Kind kind, int first,
                      const QStringList &chinese, const QStringList &english) {
        table.push_back({window, control, kind, first, chinese, english, {}, {}});
    };
    // An entry that only the Chinese set applies.
    auto chineseOnly = [&table](const QString &window, const QString &control,
                                const QStringList &chinese) {
        table.push_back({window, control, Kind::Caption, 0, chinese, std::nullopt, {}, {}});
    };
    auto move = [&table](const QString &window, const QString &control, std::array<int, 3> chinese,
                         std::array<int, 3> english) {
        table.push_back(
            {window, control, Kind::Move, 0, QStringList{}, QStringList{}, chinese, english});
    };

    // MDIForm1
    e("MDIForm1", "", Kind::Caption, 0, {MainWindowCaption(Language::Chinese)},
      {MainWindowCaption(Language::English)});
    e("MDIForm1", "StatusBar1.Panel2", Kind::PanelText, 0, {MakerName(Language::Chinese)}, {""});
    e("MDIForm1", "MNFile", Kind::Caption, 0, {"文件(&F)"}, {"File(&F)"});
    e("MDIForm1", "MNSave", Kind::Caption, 0, {"保存(&S)"}, {"Save(&S)"});
    e("MDIForm1", "MNAbout", Kind::Caption, 0, {"帮助(&H)"}, {"About(&H)"});
    e("MDIForm1", "MNChinese", Kind::Caption, 0, {"中文(&C)"}, {"Chinese(&C)"});
    e("MDIForm1", "MNCommPort", Kind::Caption, 0, {"通信端口(&C)"}, {"Communication Port(&C)"});
    e("MDIForm1", "MNDebug", Kind::Caption, 0, {"调试信息(&B)"}, {"Debug Information(&B)"});
    e("MDIForm1", "MNEdit", Kind::Caption, 0, {"编辑(&E)"}, {"Edit(&E)"});
    e("MDIForm1", "MNEnglish", Kind::Caption, 0, {"英文(&E)"}, {"English(&E)"});
    e("MDIForm1", "MNF1", Kind::Caption, 0, {"帮助主题(F1)"}, {"Help Theme(F1)"});
    e("MDIForm1", "MNHelp", Kind::Caption, 0, {"帮助(&H)"}, {"Help(&H)"});
    e("MDIForm1", "MNLanguage", Kind::Caption, 0, {"语言选择(&L)"}, {"Language Select(&L)"});
    e("MDIForm1", "MNUndo", Kind::Caption, 0, {"撤销(&U)"}, {"Undo(&U)"});
    e("MDIForm1", "MNRedo", Kind::Caption, 0, {"重做(&R)"}, {"Redo(&R)"});
    e("MDIForm1", "MNModel", Kind::Caption, 0, {"信道编辑(&M)"}, {"Channel Edit(&M)"});
    e("MDIForm1", "MNDTMF", Kind::Caption, 0, {"DTMF信令(&D)"}, {"DTMF(&D)"});
    e("MDIForm1", "MNOption", Kind::Caption, 0, {"可选功能(&P)"}, {"Optional Features(&P)"});
    e("MDIForm1", "MNFMset", Kind::Caption, 0, {"收音机频道设置"}, {"FM Channel Set"});
    e("MDIForm1", "MNNew", Kind::Caption, 0, {"新建(&N)"}, {"New(&N)"});
    e("MDIForm1", "MNOpen", Kind::Caption, 0, {"打开(&O)"}, {"Open(&O)"});
    e("MDIForm1", "MNPrint", Kind::Caption, 0, {"打印(&P)"}, {"Print(&P)"});
    e("MDIForm1", "MNImport", Kind::Caption, 0, {"导入信道(CSV)…"}, {"Import Channels (CSV)…"});
    e("MDIForm1", "MNExport", Kind::Caption, 0, {"导出信道(CSV)…"}, {"Export Channels (CSV)…"});
    e("MDIForm1", "MNProgram", Kind::Caption, 0, {"编程(&G)"}, {"Programming(&G)"});
    e("MDIForm1", "MNQuit", Kind::Caption, 0, {"退出(&Q)"}, {"Quit(&Q)"});
    e("MDIForm1", "MNRead", Kind::Caption, 0, {"读频(&R)"}, {"Read Data from the Transceive(&R)"});
    e("MDIForm1", "MNWrite", Kind::Caption, 0, {"写频(&W)"}, {"Write Data in the Transceive(&W)"});
    e("MDIForm1", "MNVerify", Kind::Caption, 0, {"写后校验"}, {"Verify after write"});
    e("MDIForm1", "Label1", Kind::Caption, 0, {"频段"}, {"Frequency"});
    move("MDIForm1", "Combo1", {585, 30, 1950}, {1085, 30, 1950});
    move("MDIForm1", "ComboCom", {2475, 0, 1185}, {3475, 0, 1185});
    e("MDIForm1", "TNew", Kind::ToolTip, 0, {"新建"}, {"New"});
    e("MDIForm1", "TOpen", Kind::ToolTip, 0, {"打开"}, {"Open"});
    e("MDIForm1", "TSave", Kind::ToolTip, 0, {"保存"}, {"Save"});
    e("MDIForm1", "TRead", Kind::ToolTip, 0, {"读频"}, {"Read Data from the Transceive"});
    e("MDIForm1", "TWrite", Kind::ToolTip, 0, {"写频"}, {"Write Data in the Transceive"});
    // The hidden-mode buttons: what they switch off, never their key names.
    e("MDIForm1", "TAnMa", Kind::ToolTip, 0, {"关闭频段强制模式（双击）"},
      {"Band override mode off (double-click)"});
    e("MDIForm1", "TDebug", Kind::ToolTip, 0, {"关闭校准模式（双击）"},
      {"Calibration mode off (double-click)"});
    e("MDIForm1", "TFMMa", Kind::ToolTip, 0, {"关闭扩展选项模式（双击）"},
      {"Extra options mode off (double-click)"});

    // Form1
    // The channel lists are the codec's own texts (image/texts.h).
    e("Form1", "Combo1", Kind::List, 0, Texts(std::array{OffText(Language::Chinese)}),
      Texts(std::array{OffText(Language::English)}));
    for (int column = 5; column <= 10; ++column) {
        e("Form1", QStringLiteral("Combo5(%1)").arg(column), Kind::List, 0,
          Texts(ChannelOptionItems(column, Language::Chinese)),
          Texts(ChannelOptionItems(column, Language::English)));
    }
    // The window's seventh option list stands over no column.
    e("Form1", "Combo5(11)", Kind::List, 0, {"禁止", "使能"}, {"Off", "On"});
    e("Form1", "", Kind::Caption, 0, {"信道编辑"}, {"Channel Edit"});
    e("Form1", "Grid1", Kind::Header, 0,
      {"频道", "接收频率", "发射频率", "接收亚音频", "发射亚音频", "功率", "繁忙信道锁定",
       "扫描添加", "宽窄带", "发射禁止", "扰频", "频道名称"},
      {"Fre", "RXFre", "TXfre", "QT/DQT Dec", "QT/DQT Enc", "Power", "Channel lock", "Add scan",
       "Band", "TX Estop", "Scramble", "Channel Name"});

    // Form2
    e("Form2", "Combo17", Kind::List, 0, numbered(0, 10, 200, "", "毫秒"),
      numbered(0, 10, 200, "", "MS"));
    e("Form2", "Option1", Kind::Caption, 0, {"自动拔号存储器"}, {"Auto-dialing Memory"});
    e("Form2", "Option2", Kind::Caption, 0, {"其它功能"}, {"Other Features"});
    e("Form2", "Label1(0)", Kind::Caption, 0, {"第一组自动拔号存储器"}, {"First Autodial Memory"});
    e("Form2", "Label1(1)", Kind::Caption, 0, {"第二组自动拔号存储器"}, {"Second Autodial Memory"});
    e("Form2", "Label1(2)", Kind::Caption, 0, {"第三组自动拔号存储器"}, {"Third Autodial Memory"});
    e("Form2", "Label1(3)", Kind::Caption, 0, {"第四组自动拔号存储器"}, {"Fourth Autodial Memory"});
    e("Form2", "Label1(4)", Kind::Caption, 0, {"第五组自动拔号存储器"}, {"Fifth Autodial Memory"});
    e("Form2", "Label1(5)", Kind::Caption, 0, {"第六组自动拔号存储器"}, {"Sixth Autodial Memory"});
    e("Form2", "Label1(6)", Kind::Caption, 0, {"第七组自动拔号存储器"},
      {"Seventh Autodial Memory"});
    e("Form2", "Label1(7)", Kind::Caption, 0, {"第八组自动拔号存储器"}, {"Eight Autodial Memory"});
    e("Form2", "Label2", Kind::Caption, 0, {"ANI开始码："}, {"ANI Start Code："});
    e("Form2", "Label4", Kind::Caption, 0, {"ANI结束码："}, {"ANI End Code："});
    e("Form2", "Label3", Kind::Caption, 0, {"自身码："}, {"Own Code："});
    e("Form2", "Combo1", Kind::List, 0, {"发射开始", "发射结束", "两者"},
      {"Start Send", "End Send", "Both"});
    e("Form2", "Label16", Kind::Caption, 0, {"DTMF速率："}, {"DTMF Rate："});
    e("Form2", "Combo16", Kind::List, 0, {"快", "慢"}, {"Fast", "Slow"});
    e("Form2", "Label17", Kind::Caption, 0, {"首位数码延迟："}, {"First Digital Delay："});
    e("Form2", "Label18", Kind::Caption, 0, {"群呼码："}, {"Group Call Code："});
    e("Form2", "Combo18", Kind::List, 0, {"空"}, {"Empty"});

    // Form3
    e("Form3", "", Kind::Caption, 0, {"可选功能"}, {"Optional Features"});
    e("Form3", "Label1", Kind::Caption, 0, {"显式模式:"}, {"Display Mode:"});
    e("Form3", "Label10", Kind::Caption, 0, {"频移:"}, {"Shift Frequency:"});
    e("Form3", "Label11", Kind::Caption, 0, {"倒频:"}, {"Reverse Frequency:"});
    e("Form3", "Label12", Kind::Caption, 0, {"开机密码设定:"}, {"Open Secret Establish:"});
    e("Form3", "Label14", Kind::Caption, 0, {"VOX增益电平:"}, {"VOX Gain Level:"});
    e("Form3", "Label15", Kind::Caption, 0, {"VOX延迟时间(秒):"}, {"VOX Delay Time(s):"});
    e("Form3", "Label17", Kind::Caption, 0, {"收音机搜台模式:"}, {"Radio Seach Mode:"});
    e("Form3", "Label18", Kind::Caption, 0, {"通话结束提示音:"}, {"Talk Over Sound:"});
    e("Form3", "Label19", Kind::Caption, 0, {"发射超时:"}, {"Time-out Timer:"});
    e("Form3", "Label2", Kind::Caption, 0, {"优先扫描频道:"}, {"Priority:"});
    e("Form3", "Label20", Kind::Caption, 0, {"全频频率:"}, {"Frequency:"});
    e("Form3", "Label21", Kind::Caption, 0, {"异频数:"}, {"Offset Data:"});
    e("Form3", "Label22", Kind::Caption, 0, {"接收亚音频:"}, {"QT/DQT Dec:"});
    e("Form3", "Label23", Kind::Caption, 0, {"发射亚音频:"}, {"QT/DQT Enc:"});
    e("Form3", "Label24", Kind::Caption, 0, {"功率:"}, {"Power:"});
    e("Form3", "Label25", Kind::Caption, 0, {"繁忙信道锁定:"}, {"BusyChannel Lock:"});
    e("Form3", "Label26", Kind::Caption, 0, {"扫描添加:"}, {"Add Scan:"});
    e("Form3", "Label27", Kind::Caption, 0, {"宽窄带:"}, {"Wide/Narrow:"});
    e("Form3", "Label28", Kind::Caption, 0, {"发射禁止:"}, {"TX Estop:"});
    e("Form3", "Label29", Kind::Caption, 0, {"压扩:"}, {"Companding:"});
    e("Form3", "Label16", Kind::Caption, 0, {"扰频:"}, {"Scramble:"});
    e("Form3", "Label3", Kind::Caption, 0, {"步进频率:"}, {"Step Frequency:"});
    e("Form3", "Label30", Kind::Caption, 0, {"异频:"}, {"Offset:"});
    e("Form3", "Label31", Kind::Caption, 0, {"开机显示字符:"}, {"Display Character:"});
    e("Form3", "Label32", Kind::Caption, 0, {"自命名频道名称:"}, {"Self-Regard Channel:"});
    e("Form3", "Label33", Kind::Caption, 0, {"锁键模式:"}, {"KeyLock Mode:"});
    e("Form3", "Label34", Kind::Caption, 0, {"频道分组:"}, {"Channel Group:"});
    e("Form3", "Label35", Kind::Caption, 0, {"尾音消除:"}, {"Dispell End Sound:"});
    e("Form3", "Label36", Kind::Caption, 0, {"背光灯方式:"}, {"Poor Light Mode:"});
    e("Form3", "Label37", Kind::Caption, 0, {"VOX 开关:"}, {"VOX Swith:"});
    e("Form3", "Label38", Kind::Caption, 0, {"开机信息显示方式:"}, {"Open Display Mode:"});
    e("Form3", "Label39", Kind::Caption, 0, {"记忆频道显示模式:"}, {"Memory display Mode:"});
    e("Form3", "Label40", Kind::Caption, 0, {"自动关机:"}, {"Auto Shut-Down"});
    e("Form3", "Label41", Kind::Caption, 0, {"语音模式:"}, {"Pronunciation mode:"});
    e("Form3", "Label42", Kind::Caption, 0, {"4位开机密码:"}, {"Boot-strap Password:"});
    e("Form3", "Label5", Kind::Caption, 0, {"静噪等级:"}, {"Squelch Level:"});
    e("Form3", "Label6", Kind::Caption, 0, {"当前频道数:"}, {" Present Channel:"});
    e("Form3", "Label7", Kind::Caption, 0, {"提示音:"}, {"Beep:"});
    e("Form3", "Label8", Kind::Caption, 0, {"省电:"}, {"Battery Save:"});
    e("Form3", "Label9", Kind::Caption, 0, {"按键锁:"}, {"Key Lock:"});
    e("Form3", "LabelMod", Kind::Caption, 0, {"扫描模式:"}, {"Scan Mode:"});
    e("Form3", "Label13", Kind::Caption, 0, {"收音机监听信号:"}, {"Radio Monitors Sigal:"});
    e("Form3", "Combo1", Kind::List, 0, {"频率", "频道"}, {"Frequency", "Channel"});
    e("Form3", "Combo10", Kind::List, 0, {"关", "开"}, {"Off", "On"});
    e("Form3", "Combo11", Kind::List, 0, {"使能", "禁止"}, {"On", "Off"});
    e("Form3", "Combo13", Kind::List, 0, {"手动", "自动"}, {"Manual", "Auto"});
    e("Form3", "Combo16", Kind::List, 0, {"开", "关"}, {"On", "Off"});
    e("Form3", "Combo17", Kind::List, 0, {"开", "关"}, {"On", "Off"});
    e("Form3", "Combo2", Kind::List, 0, {"开", "关"}, {"On", "Off"});
    e("Form3", "Combo20", Kind::List, 0, {"关", "开"}, {"Off", "On"});
    e("Form3", "Combo22", Kind::List, 0, {"关闭"}, {"Off"});
    e("Form3", "Combo23", Kind::List, 0, {"关闭"}, {"Off"});
    e("Form3", "Combo24", Kind::List, 0, {"低", "高"}, {"Low", "High"});
    e("Form3", "Combo25", Kind::List, 0, {"载波", "关"}, {"Carry", "Off"});
    e("Form3", "Combo26", Kind::List, 0, {"禁止", "使能"}, {"Off", "On"});
    e("Form3", "Combo27", Kind::List, 0, {"窄带", "宽带"}, {"Narrow", "Wide"});
    e("Form3", "Combo28", Kind::List, 0, {"开", "关"}, {"On", "Off"});
    e("Form3", "Combo29", Kind::List, 0, {"禁止", "使能"}, {"Off", "On"});
    e("Form3", "Combo12", Kind::List, 0, {"使能", "禁止"}, {"On", "Off"});
    e("Form3", "ComboMod", Kind::List, 0, {"载波", "时间"}, {"Carry", "Time"});
    e("Form3", "Combo6", Kind::List, 0, {"关闭", "打开"}, {"Off", "On"});
    e("Form3", "Combo8", Kind::List, 0, {"关", "开"}, {"Off", "On"});
    e("Form3", "Combo7", Kind::List, 0, {"关", "开"}, {"Off", "On"});
    e("Form3", "Combo9", Kind::List, 0, {"上锁", "正常"}, {"Lock", "Normal"});
    e("Form3", "Combo30", Kind::List, 0, {"+异频", "-异频", "无异频"}, {"Add", "Sub", "None"});
    e("Form3", "Combo31", Kind::List, 0, {"关", "开"}, {"Off", "On"});
    e("Form3", "Combo33", Kind::List, 0, {"开", "关"}, {"On", "Off"});
    e("Form3", "Combo34", Kind::List, 0, {"频道", "频率"}, {"Channel", "Frequency"});
    e("Form3", "Check12", Kind::Caption, 0, {"允许取消操作"}, {"Allow to Cancel Operating"});
    e("Form3", "Check13", Kind::Caption, 0, {"接收时禁止VOX"}, {"Prohibit VOX in the receiving"});
    e("Form3", "Option1", Kind::Caption, 0, {"功能设置"}, {"Function Set"});
    e("Form3", "Option2", Kind::Caption, 0, {"全频频率"}, {"VFO"});
    e("Form3", "Frame1", Kind::Caption, 0, {"VOX(声控发射)"}, {"VOX"});
    e("Form3", "Frame2", Kind::Caption, 0, {"功能设置"}, {"Function Set"});
    e("Form3", "Frame3", Kind::Caption, 0, {"全频频率"}, {"VFO"});
    e("Form3", "Combo19", Kind::List, 0, QStringList{"关闭"} + numbered(1, 7, 1, "", " 分钟"),
      QStringList{"Off"} + numbered(1, 7, 1, "", " Minute"));
    e("Form3", "Combo35", Kind::List, 0, QStringList{"关"} + numbered(1, 15, 1, "", " 小时"),
      QStringList{"Off"} + numbered(1, 15, 1, "", " Hour"));

    // Form4
    e("Form4", "", Kind::Caption, 0, {"调试"}, {"Debugging"});
    e("Form4", "SSTab1", Kind::Tabs, 0, {"高功率等级", "中功率等级", "低功率等级"},
      {"High Power Grades", "Mid Power Grades", "Low Power Grades"});
    for (int i = 0; i < 9; ++i) {
        static const char *const chinese[] = {"高段等级", "中段等级", "低段等级"};
        static const char *const english[] = {"High Sect Grades", "Mid Sect Grades",
                                              "Low Sect Grades"};
        e("Form4", QStringLiteral("Frame1(%1)").arg(i), Kind::Caption, 0,
          {QString::fromUtf8(chinese[i % 3])}, {QString::fromUtf8(english[i % 3])});
    }
    for (int i = 0; i < 9; ++i) {
        e("Form4", QStringLiteral("Label1(%1)").arg(i), Kind::Caption, 0, {"低"}, {"Low"});
        e("Form4", QStringLiteral("Label2(%1)").arg(i), Kind::Caption, 0, {"高"}, {"High"});
    }

    // Form5
    e("Form5", "", Kind::Caption, 0, {"FM频道设置"}, {"FM Channel Set"});
    e("Form5", "Label1(3)", Kind::Caption, 0, {"频率模式(频率):"}, {"FrequencyMode(Frequency):"});
    e("Form5", "Label1(0)", Kind::Caption, 0, {"当前收音机工作频道:"}, {"Present Channel:"});
    e("Form5", "Label1(1)", Kind::Caption, 0, {"显示模式:"}, {"Reveal Mode:"});
    e("Form5", "Label1(2)", Kind::Caption, 0, {"收音机步进频率:"}, {"FM Step Frequency:"});
    e("Form5", "Combo1(1)", Kind::List, 0, {"频道", "频率"}, {"Channel", "Frequency"});
    e("Form5", "MSFGrid", Kind::Header, 0, {"频道", "频率(MHz)"}, {"Channel", "Frequency(MHz)"});
    e("Form5", "Command1", Kind::Caption, 0, {"确定"}, {"OK"});
    e("Form5", "Command2", Kind::Caption, 0, {"取消"}, {"Cancel"});

    // FrmAbout
    e("FrmAbout", "", Kind::Caption, 0, {"帮助"}, {"Help"});
    e("FrmAbout", "lblTitle", Kind::Caption, 0, {ProductTitle(Language::Chinese)},
      {ProductTitle(Language::English)});
    e("FrmAbout", "lblVersion", Kind::Caption, 0, {EditionText(Language::Chinese)},
      {EditionText(Language::English)});

    // FrmWriting
    chineseOnly("FrmWriting", "Label1", {""});

    // FrmImport
    e("FrmImport", "", Kind::Caption, 0, {"导入信道(CSV)"}, {"Import Channels (CSV)"});
    e("FrmImport", "Frame1", Kind::Caption, 0, {"放入哪些频道"}, {"Placement"});
    e("FrmImport", "Option1", Kind::Caption, 0, {"各行放入其 Location 所指的频道"},
      {"Each row to the channel of its Location"});
    e("FrmImport", "Option2", Kind::Caption, 0, {"按文件顺序放入空闲频道，从频道"},
      {"In file order into free channels, from channel"});
    e("FrmImport", "Check1", Kind::Caption, 0, {"先清空信道表"}, {"Empty the channel table first"});
    e("FrmImport", "Command1", Kind::Caption, 0, {"导入"}, {"Import"});
    e("FrmImport", "Command2", Kind::Caption, 0, {"取消"}, {"Cancel"});
    return table;
}

} // namespace

const std::vector<CaptionEntry> &CaptionTable()
{
    static const std::vector<CaptionEntry> table = BuildTable();
    return table;
}

const QStringList &CaptionWindowOrder()
{
    static const QStringList order = {
        QStringLiteral("MDIForm1"), QStringLiteral("Form1"),      QStringLiteral("Form2"),
        QStringLiteral("Form3"),    QStringLiteral("Form4"),      QStringLiteral("Form5"),
        QStringLiteral("FrmAbout"), QStringLiteral("FrmWriting"), QStringLiteral("FrmImport"),
    };
    return order;
}

QStringList CaptionTexts(const QString &window, const QString &control, Language language)
{
    for (const CaptionEntry &entry : CaptionTable()) {
        if (entry.window == window && entry.control == control) {
            const auto &texts = language == Language::English ? entry.english : entry.chinese;
            return texts ? *texts : QStringList{};
        }
    }
    return {};
}

} // namespace q731
