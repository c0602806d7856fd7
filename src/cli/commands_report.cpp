// report: the window program's print report of a data file, as a PDF.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "print/print_report.h"

#include <QDate>
#include <QFileInfo>

namespace q731::cli {

int RunReport(const Console &console, const QStringList &arguments)
{
    CommandLine line(
        console, QStringLiteral("report"),
        console.translate("Cli", "把数据文件的打印报表存为 PDF，内容与窗口程序的打印预览相同。"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "数据文件"));
    line.addPositional(QStringLiteral("OUT.pdf"),
                       console.translate("Cli", "要写入的 PDF 文件（- 为标准输出）"));
    line.addValue(QStringLiteral("paper"), QStringLiteral("a4|letter"),
                  console.translate("Cli", "纸张：a4 或 letter（默认按系统的度量制）"));
    line.addFlag(QStringLiteral("used-only"), console.translate("Cli", "信道表只列出使用中的信道"));
    line.addFlag(QStringLiteral("header"),
                 console.translate("Cli", "每页开头印出文件名、频段和日期"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;

    QPageSize paper = DefaultReportPaper();
    if (line.isSet(QStringLiteral("paper"))) {
        const QString name = line.value(QStringLiteral("paper")).toLower();
        if (name == QLatin1String("a4"))
            paper = QPageSize(QPageSize::A4);
        else if (name == QLatin1String("letter"))
            paper = QPageSize(QPageSize::Letter);
        else
            return UsageError(console, QStringLiteral("report"),
                              console.translate("Cli", "--paper 只能是 a4 或 letter"));
    }

    const QStringList files = line.positional();
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, files[0], data))
        return code;
    const ReportOptions options{.usedChannelsOnly = line.isSet(QStringLiteral("used-only")),
                                .header = line.isSet(QStringLiteral("header")),
                                .fileName = QFileInfo(files[0]).fileName(),
                                .date = QDate::currentDate()};
    const QByteArray pdf =
        ReportPdf(data, console.language(), paper, QFileInfo(files[0]).fileName(), options);
    if (pdf.isEmpty()) {
        console.error(console.translate("Cli", "无法生成报表：没有写入任何文件"));
        return ExitFileError;
    }
    return WriteWholeFile(console, files[1], std::vector<std::uint8_t>(pdf.begin(), pdf.end()));
}

} // namespace q731::cli
