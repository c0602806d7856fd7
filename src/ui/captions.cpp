#include "captions.h"

#include "image/texts.h"
#include "session/product.h"
#include "session/qt_translations.h"

namespace q731 {

namespace {

using Kind = CaptionEntry::Kind;

using InEnglish = CaptionEntry::InEnglish;

// `format` with %1 replaced by step * i, for i = from .. from + count - 1.
QStringList Numbered(int from, int count, int step, const QString &format)
{
    QStringList items;
    for (int i = from; i < from + count; ++i)
        items << format.arg(step * i);
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

// The entries of one window, whose texts belong to one context of the
// catalogues. Each text names the context again, for lupdate.
class WindowEntries
{
public:
    WindowEntries(std::vector<CaptionEntry> &table, const char *window, const char *context)
        : m_table(table)
        , m_window(QString::fromLatin1(window))
        , m_context(context)
    {
    }

    void add(const QString &control, Kind kind, std::vector<CaptionText> texts)
    {
        CaptionEntry entry = start(control, kind);
        entry.texts = std::move(texts);
        m_table.push_back(std::move(entry));
    }

    void made(const QString &control, Kind kind, std::function<QStringList(Language)> texts,
              InEnglish inEnglish = InEnglish::Translated)
    {
        CaptionEntry entry = start(control, kind);
        entry.made = std::move(texts);
        entry.inEnglish = inEnglish;
        m_table.push_back(std::move(entry));
    }

    void move(const QString &control, std::array<int, 3> chinese, std::array<int, 3> english)
    {
        CaptionEntry entry = start(control, Kind::Move);
        entry.moves = {chinese, english};
        m_table.push_back(std::move(entry));
    }

private:
    CaptionEntry start(const QString &control, Kind kind) const
    {
        CaptionEntry entry;
        entry.window = m_window;
        entry.control = control;
        entry.kind = kind;
        entry.context = m_context;
        return entry;
    }

    std::vector<CaptionEntry> &m_table;
    QString m_window;
    const char *m_context;
};

std::vector<CaptionEntry> BuildTable()
{
    std::vector<CaptionEntry> table;
    WindowEntries mainWindow(table, "MDIForm1", "MainWindow");
    WindowEntries channels(table, "Form1", "ChannelWindow");
    WindowEntries dtmf(table, "Form2", "DtmfWindow");
    WindowEntries options(table, "Form3", "OptionsWindow");
    WindowEntries calibration(table, "Form4", "CalibrationWindow");
    WindowEntries fm(table, "Form5", "FmWindow");
    WindowEntries about(table, "FrmAbout", "AboutWindow");
    WindowEntries progress(table, "FrmWriting", "ProgressWindow");
    WindowEntries importing(table, "FrmImport", "ImportDialog");

    // The main window
    mainWindow.made("", Kind::Caption,
                    [](Language language) { return QStringList{MainWindowCaption(language)}; });
    // The maker's panel is empty in English.
    mainWindow.made(
        "StatusBar1.Panel2", Kind::PanelText,
        [](Language language) { return QStringList{MakerName(language)}; }, InEnglish::Blank);
    mainWindow.add("MNFile", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "文件(&F)")});
    mainWindow.add("MNSave", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "保存(&S)")});
    mainWindow.add("MNSaveAs", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "另存为(&A)…")});
    mainWindow.add("MNRecent", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "最近的文件")});
    mainWindow.add("MNCompareFile", Kind::Caption,
                   {QT_TRANSLATE_NOOP("MainWindow", "与文件比较…")});
    mainWindow.add("MNWriteSeveral", Kind::Caption,
                   {QT_TRANSLATE_NOOP("MainWindow", "写入多台电台…")});
    mainWindow.add("MNCompareRadio", Kind::Caption,
                   {QT_TRANSLATE_NOOP("MainWindow", "与电台比较(&M)…")});
    mainWindow.add("MNChannelRows", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "信道行(&H)")});
    mainWindow.add(
        "MNAbout", Kind::Caption,
        {QT_TRANSLATE_NOOP3("MainWindow", "帮助(&H)", "menu item that opens the About box")});
    mainWindow.add("MNChinese", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "中文(&C)")});
    mainWindow.add("MNCommPort", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "通信端口(&C)")});
    mainWindow.add("MNDebug", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "调试信息(&B)")});
    mainWindow.add("MNEdit", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "编辑(&E)")});
    mainWindow.add("MNEnglish", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "英文(&E)")});
    mainWindow.add("MNF1", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "帮助主题(F1)")});
    mainWindow.add("MNHelp", Kind::Caption,
                   {QT_TRANSLATE_NOOP3("MainWindow", "帮助(&H)", "the Help menu")});
    mainWindow.add("MNLanguage", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "语言选择(&L)")});
    mainWindow.add("MNUndo", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "撤销(&U)")});
    mainWindow.add("MNRedo", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "重做(&R)")});
    mainWindow.add("MNModel", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "信道编辑(&M)")});
    mainWindow.add("MNDTMF", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "DTMF信令(&D)")});
    mainWindow.add("MNOption", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "可选功能(&P)")});
    mainWindow.add("MNFMset", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "收音机频道设置")});
    mainWindow.add("MNNew", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "新建(&N)")});
    mainWindow.add("MNOpen", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "打开(&O)")});
    mainWindow.add("MNPrint", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "打印(&P)")});
    mainWindow.add("MNImport", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "导入信道(CSV)…")});
    mainWindow.add("MNExport", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "导出信道(CSV)…")});
    mainWindow.add("MNProgram", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "编程(&G)")});
    mainWindow.add("MNQuit", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "退出(&Q)")});
    mainWindow.add("MNRead", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "读频(&R)")});
    mainWindow.add("MNWrite", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "写频(&W)")});
    mainWindow.add("MNVerify", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "写后校验")});
    mainWindow.add("Label1", Kind::Caption, {QT_TRANSLATE_NOOP("MainWindow", "频段")});
    mainWindow.move("Combo1", {585, 30, 1950}, {1085, 30, 1950});
    mainWindow.move("ComboCom", {2475, 0, 1185}, {3475, 0, 1185});
    mainWindow.add("TNew", Kind::ToolTip, {QT_TRANSLATE_NOOP("MainWindow", "新建")});
    mainWindow.add("TOpen", Kind::ToolTip, {QT_TRANSLATE_NOOP("MainWindow", "打开")});
    mainWindow.add("TSave", Kind::ToolTip, {QT_TRANSLATE_NOOP("MainWindow", "保存")});
    mainWindow.add("TRead", Kind::ToolTip, {QT_TRANSLATE_NOOP("MainWindow", "读频")});
    mainWindow.add("TWrite", Kind::ToolTip, {QT_TRANSLATE_NOOP("MainWindow", "写频")});
    // The hidden-mode buttons: what they switch off, never their key names.
    mainWindow.add("TAnMa", Kind::ToolTip,
                   {QT_TRANSLATE_NOOP("MainWindow", "关闭频段强制模式（双击）")});
    mainWindow.add("TDebug", Kind::ToolTip,
                   {QT_TRANSLATE_NOOP("MainWindow", "关闭校准模式（双击）")});
    mainWindow.add("TFMMa", Kind::ToolTip,
                   {QT_TRANSLATE_NOOP("MainWindow", "关闭扩展选项模式（双击）")});

    // The channel window
    // The channel lists are the grid's (image/texts.h).
    channels.made("Combo1", Kind::List, [](Language language) {
        return Texts(std::array{GridListsIn(language).tones.front()});
    });
    for (int column = 5; column <= 10; ++column) {
        channels.made(
            QStringLiteral("Combo5(%1)").arg(column), Kind::List,
            [column](Language language) { return Texts(GridListsIn(language).forColumn(column)); });
    }
    // The window's seventh option list stands over no column.
    channels.add(
        "Combo5(11)", Kind::List,
        {QT_TRANSLATE_NOOP("ChannelWindow", "禁止"), QT_TRANSLATE_NOOP("ChannelWindow", "使能")});
    channels.add("", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "信道编辑")});
    // The commands on whole channels (the Edit menu and the grid's menu).
    channels.add("MNCut", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "剪切(&T)")});
    channels.add("MNCopy", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "复制(&C)")});
    channels.add("MNPaste", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "粘贴(&P)")});
    channels.add("MNDelete", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "删除(&D)")});
    channels.add("MNInsert", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "插入空信道(&I)")});
    channels.add("MNDeleteShift", Kind::Caption,
                 {QT_TRANSLATE_NOOP("ChannelWindow", "删除并上移(&L)")});
    channels.add("MNMoveUp", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "上移(&U)")});
    channels.add("MNMoveDown", Kind::Caption, {QT_TRANSLATE_NOOP("ChannelWindow", "下移(&W)")});
    channels.add("MNSortFrequency", Kind::Caption,
                 {QT_TRANSLATE_NOOP("ChannelWindow", "按接收频率排序(&F)")});
    channels.add("MNSortName", Kind::Caption,
                 {QT_TRANSLATE_NOOP("ChannelWindow", "按名称排序(&N)")});
    channels.add(
        "Grid1", Kind::Header,
        {QT_TRANSLATE_NOOP("ChannelWindow", "频道"), QT_TRANSLATE_NOOP("ChannelWindow", "接收频率"),
         QT_TRANSLATE_NOOP("ChannelWindow", "发射频率"),
         QT_TRANSLATE_NOOP("ChannelWindow", "接收亚音频"),
         QT_TRANSLATE_NOOP("ChannelWindow", "发射亚音频"),
         QT_TRANSLATE_NOOP("ChannelWindow", "功率"),
         QT_TRANSLATE_NOOP("ChannelWindow", "繁忙信道锁定"),
         QT_TRANSLATE_NOOP("ChannelWindow", "扫描添加"),
         QT_TRANSLATE_NOOP("ChannelWindow", "宽窄带"),
         QT_TRANSLATE_NOOP("ChannelWindow", "发射禁止"), QT_TRANSLATE_NOOP("ChannelWindow", "扰频"),
         QT_TRANSLATE_NOOP("ChannelWindow", "频道名称")});

    // The DTMF window
    dtmf.made("Combo17", Kind::List, [](Language language) {
        const TextsIn translate(language);
        return Numbered(0, 10, 200, translate("DtmfWindow", "%1毫秒"));
    });
    dtmf.add("Option1", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "自动拔号存储器")});
    dtmf.add("Option2", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "其它功能")});
    dtmf.add("Label1(0)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第一组自动拔号存储器")});
    dtmf.add("Label1(1)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第二组自动拔号存储器")});
    dtmf.add("Label1(2)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第三组自动拔号存储器")});
    dtmf.add("Label1(3)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第四组自动拔号存储器")});
    dtmf.add("Label1(4)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第五组自动拔号存储器")});
    dtmf.add("Label1(5)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第六组自动拔号存储器")});
    dtmf.add("Label1(6)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第七组自动拔号存储器")});
    dtmf.add("Label1(7)", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "第八组自动拔号存储器")});
    dtmf.add("Label2", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "ANI开始码：")});
    dtmf.add("Label4", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "ANI结束码：")});
    dtmf.add("Label3", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "自身码：")});
    dtmf.add("Combo1", Kind::List,
             {QT_TRANSLATE_NOOP("DtmfWindow", "发射开始"),
              QT_TRANSLATE_NOOP("DtmfWindow", "发射结束"),
              QT_TRANSLATE_NOOP("DtmfWindow", "两者")});
    dtmf.add("Label16", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "DTMF速率：")});
    dtmf.add("Combo16", Kind::List,
             {QT_TRANSLATE_NOOP("DtmfWindow", "快"), QT_TRANSLATE_NOOP("DtmfWindow", "慢")});
    dtmf.add("Label17", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "首位数码延迟：")});
    dtmf.add("Label18", Kind::Caption, {QT_TRANSLATE_NOOP("DtmfWindow", "群呼码：")});
    dtmf.add("Combo18", Kind::List, {QT_TRANSLATE_NOOP("DtmfWindow", "空")});

    // The optional features window
    options.add("", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "可选功能")});
    options.add("Label1", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "显式模式:")});
    options.add("Label10", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "频移:")});
    options.add("Label11", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "倒频:")});
    options.add("Label12", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "开机密码设定:")});
    options.add("Label14", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "VOX增益电平:")});
    options.add("Label15", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "VOX延迟时间(秒):")});
    options.add("Label17", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "收音机搜台模式:")});
    options.add("Label18", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "通话结束提示音:")});
    options.add("Label19", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "发射超时:")});
    options.add("Label2", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "优先扫描频道:")});
    options.add("Label20", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "全频频率:")});
    options.add("Label21", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "异频数:")});
    options.add("Label22", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "接收亚音频:")});
    options.add("Label23", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "发射亚音频:")});
    options.add("Label24", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "功率:")});
    options.add("Label25", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "繁忙信道锁定:")});
    options.add("Label26", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "扫描添加:")});
    options.add("Label27", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "宽窄带:")});
    options.add("Label28", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "发射禁止:")});
    options.add("Label29", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "压扩:")});
    options.add("Label16", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "扰频:")});
    options.add("Label3", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "步进频率:")});
    options.add("Label30", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "异频:")});
    options.add("Label31", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "开机显示字符:")});
    options.add("Label32", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "自命名频道名称:")});
    options.add("Label33", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "锁键模式:")});
    options.add("Label34", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "频道分组:")});
    options.add("Label35", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "尾音消除:")});
    options.add("Label36", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "背光灯方式:")});
    options.add("Label37", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "VOX 开关:")});
    options.add("Label38", Kind::Caption,
                {QT_TRANSLATE_NOOP("OptionsWindow", "开机信息显示方式:")});
    options.add("Label39", Kind::Caption,
                {QT_TRANSLATE_NOOP("OptionsWindow", "记忆频道显示模式:")});
    options.add("Label40", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "自动关机:")});
    options.add("Label41", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "语音模式:")});
    options.add("Label42", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "4位开机密码:")});
    options.add("Label5", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "静噪等级:")});
    options.add("Label6", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "当前频道数:")});
    options.add("Label7", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "提示音:")});
    options.add("Label8", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "省电:")});
    options.add("Label9", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "按键锁:")});
    options.add("LabelMod", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "扫描模式:")});
    options.add("Label13", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "收音机监听信号:")});
    options.add(
        "Combo1", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "频率"), QT_TRANSLATE_NOOP("OptionsWindow", "频道")});
    options.add(
        "Combo10", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关"), QT_TRANSLATE_NOOP("OptionsWindow", "开")});
    options.add(
        "Combo11", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "使能"), QT_TRANSLATE_NOOP("OptionsWindow", "禁止")});
    options.add(
        "Combo13", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "手动"), QT_TRANSLATE_NOOP("OptionsWindow", "自动")});
    options.add(
        "Combo16", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "开"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo17", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "开"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo2", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "开"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo20", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关"), QT_TRANSLATE_NOOP("OptionsWindow", "开")});
    options.add("Combo22", Kind::List, {QT_TRANSLATE_NOOP("OptionsWindow", "关闭")});
    options.add("Combo23", Kind::List, {QT_TRANSLATE_NOOP("OptionsWindow", "关闭")});
    options.add(
        "Combo24", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "低"), QT_TRANSLATE_NOOP("OptionsWindow", "高")});
    options.add(
        "Combo25", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "载波"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo26", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "禁止"), QT_TRANSLATE_NOOP("OptionsWindow", "使能")});
    options.add(
        "Combo27", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "窄带"), QT_TRANSLATE_NOOP("OptionsWindow", "宽带")});
    options.add(
        "Combo28", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "开"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo29", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "禁止"), QT_TRANSLATE_NOOP("OptionsWindow", "使能")});
    options.add(
        "Combo12", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "使能"), QT_TRANSLATE_NOOP("OptionsWindow", "禁止")});
    options.add(
        "ComboMod", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "载波"), QT_TRANSLATE_NOOP("OptionsWindow", "时间")});
    options.add(
        "Combo6", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关闭"), QT_TRANSLATE_NOOP("OptionsWindow", "打开")});
    options.add(
        "Combo8", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关"), QT_TRANSLATE_NOOP("OptionsWindow", "开")});
    options.add(
        "Combo7", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关"), QT_TRANSLATE_NOOP("OptionsWindow", "开")});
    options.add(
        "Combo9", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "上锁"), QT_TRANSLATE_NOOP("OptionsWindow", "正常")});
    options.add("Combo30", Kind::List,
                {QT_TRANSLATE_NOOP("OptionsWindow", "+异频"),
                 QT_TRANSLATE_NOOP("OptionsWindow", "-异频"),
                 QT_TRANSLATE_NOOP("OptionsWindow", "无异频")});
    options.add(
        "Combo31", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "关"), QT_TRANSLATE_NOOP("OptionsWindow", "开")});
    options.add(
        "Combo33", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "开"), QT_TRANSLATE_NOOP("OptionsWindow", "关")});
    options.add(
        "Combo34", Kind::List,
        {QT_TRANSLATE_NOOP("OptionsWindow", "频道"), QT_TRANSLATE_NOOP("OptionsWindow", "频率")});
    options.add("Check12", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "允许取消操作")});
    options.add("Check13", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "接收时禁止VOX")});
    options.add("Option1", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "功能设置")});
    options.add("Option2", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "全频频率")});
    options.add("Frame1", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "VOX(声控发射)")});
    options.add("Frame2", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "功能设置")});
    options.add("Frame3", Kind::Caption, {QT_TRANSLATE_NOOP("OptionsWindow", "全频频率")});
    options.made("Combo19", Kind::List, [](Language language) {
        const TextsIn translate(language);
        return QStringList{translate("OptionsWindow", "关闭")} +
               Numbered(1, 7, 1, translate("OptionsWindow", "%1 分钟"));
    });
    options.made("Combo35", Kind::List, [](Language language) {
        const TextsIn translate(language);
        return QStringList{translate("OptionsWindow", "关")} +
               Numbered(1, 15, 1, translate("OptionsWindow", "%1 小时"));
    });

    // The calibration window
    calibration.add("", Kind::Caption, {QT_TRANSLATE_NOOP("CalibrationWindow", "调试")});
    calibration.add("SSTab1", Kind::Tabs,
                    {QT_TRANSLATE_NOOP("CalibrationWindow", "高功率等级"),
                     QT_TRANSLATE_NOOP("CalibrationWindow", "中功率等级"),
                     QT_TRANSLATE_NOOP("CalibrationWindow", "低功率等级")});
    for (int i = 0; i < 9; ++i) {
        static const char *const sections[] = {
            QT_TRANSLATE_NOOP("CalibrationWindow", "高段等级"),
            QT_TRANSLATE_NOOP("CalibrationWindow", "中段等级"),
            QT_TRANSLATE_NOOP("CalibrationWindow", "低段等级"),
        };
        calibration.add(QStringLiteral("Frame1(%1)").arg(i), Kind::Caption, {sections[i % 3]});
    }
    for (int i = 0; i < 9; ++i) {
        calibration.add(QStringLiteral("Label1(%1)").arg(i), Kind::Caption,
                        {QT_TRANSLATE_NOOP("CalibrationWindow", "低")});
        calibration.add(QStringLiteral("Label2(%1)").arg(i), Kind::Caption,
                        {QT_TRANSLATE_NOOP("CalibrationWindow", "高")});
    }

    // The FM channel window
    fm.add("", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "FM频道设置")});
    fm.add("Label1(3)", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "频率模式(频率):")});
    fm.add("Label1(0)", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "当前收音机工作频道:")});
    fm.add("Label1(1)", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "显示模式:")});
    fm.add("Label1(2)", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "收音机步进频率:")});
    fm.add("Combo1(1)", Kind::List,
           {QT_TRANSLATE_NOOP("FmWindow", "频道"), QT_TRANSLATE_NOOP("FmWindow", "频率")});
    fm.add("MSFGrid", Kind::Header,
           {QT_TRANSLATE_NOOP("FmWindow", "频道"), QT_TRANSLATE_NOOP("FmWindow", "频率(MHz)")});
    fm.add("Command1", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "确定")});
    fm.add("Command2", Kind::Caption, {QT_TRANSLATE_NOOP("FmWindow", "取消")});

    // The About box
    about.add("", Kind::Caption, {QT_TRANSLATE_NOOP("AboutWindow", "帮助")});
    about.made("lblTitle", Kind::Caption,
               [](Language language) { return QStringList{ProductTitle(language)}; });
    about.made("lblVersion", Kind::Caption,
               [](Language language) { return QStringList{EditionText(language)}; });

    // The progress window: its line is emptied in Chinese only.
    progress.made(
        "Label1", Kind::Caption, [](Language) { return QStringList{QString()}; },
        InEnglish::Unchanged);

    // The import dialog
    importing.add("", Kind::Caption, {QT_TRANSLATE_NOOP("ImportDialog", "导入信道(CSV)")});
    importing.add("Frame1", Kind::Caption, {QT_TRANSLATE_NOOP("ImportDialog", "放入哪些频道")});
    importing.add("Option1", Kind::Caption,
                  {QT_TRANSLATE_NOOP("ImportDialog", "各行放入其 Location 所指的频道")});
    importing.add("Option2", Kind::Caption,
                  {QT_TRANSLATE_NOOP("ImportDialog", "按文件顺序放入空闲频道，从频道")});
    importing.add("Check1", Kind::Caption, {QT_TRANSLATE_NOOP("ImportDialog", "先清空信道表")});
    importing.add("Command1", Kind::Caption, {QT_TRANSLATE_NOOP("ImportDialog", "导入")});
    importing.add("Command2", Kind::Caption, {QT_TRANSLATE_NOOP("ImportDialog", "取消")});
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

std::optional<QStringList> CaptionEntry::textsIn(Language language) const
{
    if (language == Language::English && inEnglish == InEnglish::Unchanged)
        return std::nullopt;
    if (language == Language::English && inEnglish == InEnglish::Blank)
        return QStringList{QString()};
    if (made)
        return made(language);
    QStringList items;
    for (const CaptionText &text : texts)
        items << TextIn(language, context, text.source, text.disambiguation);
    return items;
}

QStringList CaptionTexts(const QString &window, const QString &control, Language language)
{
    for (const CaptionEntry &entry : CaptionTable()) {
        if (entry.window == window && entry.control == control)
            return entry.textsIn(language).value_or(QStringList{});
    }
    return {};
}

} // namespace q731
