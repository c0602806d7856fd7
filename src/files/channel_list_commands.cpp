#include "channel_list_commands.h"

#include "files/csv_channels.h"
#include "files/csv_import_dialog.h"
#include "files/csv_list_texts.h"
#include "files/data_file_store.h"
#include "files/file_commands.h"
#include "files/file_dialogs.h"
#include "files/file_messages.h"
#include "image/band_list.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QWidget>

#include <string>

namespace q731 {

namespace {

QString CsvFileFilter(Language language)
{
    const TextsIn translate(language);
    return translate("q731::ChannelListCommands", "CSV文件(*.csv);;所有文件(*.*)");
}

QString TooLargeReason(Language language)
{
    const QString limit = QString::number(kCsvFileSizeLimit / (1024 * 1024));
    const TextsIn translate(language);
    return translate("q731::ChannelListCommands", "大小超过 %1 MiB，不可能是 CSV 频道清单")
        .arg(limit);
}

} // namespace

ChannelListCommands::ChannelListCommands(Session &session, MessageBoxes &boxes, FileCommands &files,
                                         QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_files(files)
    , m_dialogParent(dialogParent)
{
}

void ChannelListCommands::importList()
{
    const QString path =
        m_files.dialogs().openFileName(m_dialogParent, tr("导入信道(CSV)"), m_files.startFolder(),
                                       CsvFileFilter(m_session.language()));
    if (!path.isEmpty())
        importPath(path);
}

void ChannelListCommands::exportList()
{
    const QString path =
        m_files.dialogs().saveFileName(m_dialogParent, tr("导出信道(CSV)"), m_files.startFolder(),
                                       CsvFileFilter(m_session.language()));
    if (!path.isEmpty())
        exportPath(path);
}

CsvImportDialog *ChannelListCommands::importPath(const QString &path)
{
    const Language language = m_session.language();
    // A device or pipe is not even opened: a pipe without a writer would hold
    // the window for ever.
    const DataFileReadResult read =
        ReadDataFile({.path = path, .refuseSpecialFiles = true}, kCsvFileSizeLimit);
    if (!read.ok()) {
        ShowCannotOpen(m_boxes, language, path,
                       read.error == DataFileError::TooLarge
                           ? TooLargeReason(language)
                           : ReadReason(path, read.reason, language));
        return nullptr;
    }
    // What is being typed in the grid belongs to the table the rows go into.
    m_session.commitEdits();
    const auto text = std::make_shared<const std::string>(read.bytes.begin(), read.bytes.end());
    const int bandIndex = m_session.bandIndex();
    const auto importFor = [this, text, bandIndex](const CsvPlacement &placement) {
        return ImportChannelsCsv(*text, BandLimitsOf(bandIndex), m_session.data().channels,
                                 {.placement = placement, .strict = false});
    };
    const CsvImport byLocation = importFor({});
    const CsvImport renumbered = importFor({.renumber = true});
    if (byLocation.fileProblem() && renumbered.fileProblem()) {
        const QString reason =
            CsvProblemText(renumbered.problems.front(), renumbered, bandIndex, language);
        showError(tr("文件%1不是 CSV 频道清单：%2。").arg(Quoted(path, language), reason));
        return nullptr;
    }
    auto *dialog = new CsvImportDialog(language, QDir::toNativeSeparators(path), bandIndex,
                                       importFor, m_dialogParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A list without Locations can only be renumbered.
    if (byLocation.fileProblem())
        dialog->choosePlacement({.renumber = true});
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        m_session.replaceChannels(QStringLiteral("CSV import"),
                                  ApplyCsvImport(dialog->import(), m_session.data().channels));
        emit imported();
    });
    dialog->open();
    return dialog;
}

bool ChannelListCommands::exportPath(const QString &path)
{
    const Language language = m_session.language();
    m_session.commitEdits();
    const int bandIndex = m_session.bandIndex();
    const CsvExport csv = ExportChannelsCsv(m_session.data().channels, BandLimitsOf(bandIndex));
    const DataFileWriteResult written =
        WriteDataFile({.path = path}, std::vector<std::uint8_t>(csv.text.begin(), csv.text.end()));
    if (!written.ok()) {
        const QString reason = WriteReason(path, written.reason, language);
        showError(
            tr("无法导出到文件%1：%2。\r\n文件未被改动。").arg(Quoted(path, language), reason));
        return false;
    }
    if (!csv.leftOut.empty()) {
        QStringList lines = {tr("以下频道数据已损坏，未导出：")};
        for (const CsvExportProblem &problem : csv.leftOut)
            lines << CsvExportProblemText(problem, bandIndex, language);
        m_boxes.show(lines.join(QStringLiteral("\r\n")), StyleOkExclamation, tr("注意"));
    }
    return true;
}

void ChannelListCommands::showError(const QString &text)
{
    ShowFileError(m_boxes, m_session.language(), text);
}

} // namespace q731
