#include "print_report.h"

#include "print/report_writer.h"
#include "session/product.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace q731 {

namespace {

// Every row of the settings sections: two cells of 4500 twips, centred, with
// all four borders.
constexpr int kCellWidth = 4500;
constexpr int kCellCode = 2;
const QString kCellBorders = QStringLiteral("1111");

QWidget *Control(const QPointer<QWidget> &window, const QString &name)
{
    return window ? window->findChild<QWidget *>(name) : nullptr;
}

class Report
{
public:
    Report(ReportWriter &writer, const ReportWindows &windows, Language language)
        : m_writer(writer)
        , m_windows(windows)
        , m_english(language == Language::English)
    {
    }

    QString tr2(const char *chinese, const char *english) const
    {
        return QString::fromUtf8(m_english ? english : chinese);
    }

    void row(const QString &first, const QString &second)
    {
        m_writer.PrintCell(first, kCellWidth, kCellCode, kCellBorders);
        m_writer.PrintCell(second, kCellWidth, kCellCode, kCellBorders);
        m_writer.EndRow();
    }

    void optionRow(const QString &label, const QString &field)
    {
        row(ShownText(Control(m_windows.options, label)),
            ShownText(Control(m_windows.options, field)));
    }

    void section(const char *chinese, const char *english)
    {
        m_writer.PrintCaption(tr2(chinese, english));
        m_writer.LineFeed();
    }

    void build()
    {
        m_writer.NewPage();
        m_writer.setBold(true);
        m_writer.PrintLine(MakerName(m_english ? Language::English : Language::Chinese),
                           m_english ? 12 : 20, 2);
        m_writer.setBold(false);
        m_writer.setLineHeight(14);
        m_writer.PrintLine(tr2("ZR-614对讲机", "ZR-614 Interphone ") +
                           tr2("编程数据打印", "programming data are printed"));
        m_writer.LineFeed();

        section("功能设置", "Function set");
        static const char *const functions[][2] = {
            {"Label2", "Text2"},      {"Label6", "Text6"},    {"Label1", "Combo1"},
            {"Label3", "Combo3"},     {"Label5", "Combo5"},   {"Label7", "Combo7"},
            {"Label8", "Combo8"},     {"Label9", "Combo9"},   {"Label10", "Combo10"},
            {"Label11", "Combo11"},   {"Label19", "Combo19"}, {"Label31", "Text31"},
            {"LabelMod", "ComboMod"},
        };
        for (const auto &pair : functions)
            optionRow(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]));

        m_writer.NewPage();
        m_writer.LineFeed();
        section("全频频率", "The whole frequency frequently");
        optionRow(QStringLiteral("Label20"), QStringLiteral("Text20"));
        optionRow(QStringLiteral("Label21"), QStringLiteral("Text21"));
        for (int i = 22; i <= 30; ++i)
            optionRow(QStringLiteral("Label%1").arg(i), QStringLiteral("Combo%1").arg(i));

        m_writer.LineFeed();
        section("VOX(声控发射)", "VOX(Voice control launches)");
        optionRow(QStringLiteral("Label14"), QStringLiteral("Combo14"));
        optionRow(QStringLiteral("Label15"), QStringLiteral("Combo15"));
        const auto *check =
            qobject_cast<const QCheckBox *>(Control(m_windows.options, QStringLiteral("Check12")));
        const bool ticked = check && check->checkState() != Qt::Unchecked;
        row(tr2("是否", "Whether") + ShownText(check), ticked ? tr2("是", "Yes") : tr2("否", "No"));

        m_writer.LineFeed();
        section("调试信息", "Debug information");
        // Only the high-power levels: the others are a technician's business.
        for (int i = 0; i < 3; ++i) {
            const auto *slider = qobject_cast<const QSlider *>(
                Control(m_windows.calibration, QStringLiteral("Slider1(%1)").arg(i)));
            m_writer.PrintCell(
                ShownText(Control(m_windows.calibration, QStringLiteral("Frame1(%1)").arg(i))),
                kCellWidth, kCellCode, kCellBorders);
            m_writer.PrintCell(slider ? slider->value() : 0, kCellWidth, kCellCode, kCellBorders);
            m_writer.EndRow();
        }

        m_writer.NewPage();
        const QString channelData = tr2("信道数据", "Channel data");
        m_writer.PrintLine(channelData);
        auto *grid =
            qobject_cast<QAbstractItemView *>(Control(m_windows.channels, QStringLiteral("Grid1")));
        {
            const RepaintPause pause(grid);
            m_writer.PrintGrid(grid, channelData);
        }
        m_writer.LineFeed();
    }

private:
    ReportWriter &m_writer;
    const ReportWindows &m_windows;
    bool m_english = false;
};

} // namespace

QString ShownText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *slider = qobject_cast<const QSlider *>(control))
        return QString::number(slider->value());
    return {};
}

bool PrintContent(ReportWriter &writer, QPagedPaintDevice *device, const ReportWindows &windows,
                  Language language)
{
    writer.setPageFooter(language == Language::English ? QStringLiteral("Page %1 of %2")
                                                       : QStringLiteral("第 %1 页，共 %2 页"));
    writer.BeginDocument(device);
    Report(writer, windows, language).build();
    return writer.EndDocument();
}

RepaintPause::RepaintPause(QWidget *widget)
    : m_widget(widget)
{
    if (m_widget) {
        m_wasEnabled = m_widget->updatesEnabled();
        m_widget->setUpdatesEnabled(false);
    }
}

RepaintPause::~RepaintPause()
{
    if (m_widget)
        m_widget->setUpdatesEnabled(m_wasEnabled);
}

} // namespace q731
