#include "link/write_messages.h"

#include "link/link_messages.h"
#include "session/qt_translations.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QStringList>

namespace q731 {

namespace {

using Outcome = LinkProtocol::Outcome;
using Kind = WriteMessage::Kind;

// The texts belong to the Write command, where they were first said.
QString Said(const char *text)
{
    return QCoreApplication::translate("q731::TransferController", text);
}

WriteMessage Message(Kind kind, QString text, int style, const char *caption)
{
    return {kind, std::move(text), style, Said(caption)};
}

QString DifferencesText(const std::vector<ByteDifference> &differences, Language language)
{
    // A radio that keeps nothing would list every channel; the first ones
    // tell the user enough.
    constexpr std::size_t kListed = 10;
    const std::vector<MarkedText> fields = DifferingFields(differences);
    QStringList lines;
    for (std::size_t i = 0; i < fields.size() && i < kListed; ++i)
        lines << TextIn(language, fields[i]);
    if (fields.size() > kListed)
        lines << QCoreApplication::translate("q731::TransferController", "……另有 %1 项")
                     .arg(fields.size() - kListed);
    return QCoreApplication::translate("q731::TransferController",
                                       "写频已完成，但校验不符。对讲机中以下内容与写入的不同：") +
           QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("q731::TransferController", "请检查对讲机后重新写频。");
}

QString FailureText(Outcome outcome)
{
    return LinkMessage::Text(outcome == Outcome::PortLost ? LinkMessage::kConnectionLost
                                                          : LinkMessage::kCommunicationError);
}

} // namespace

WriteMessage WriteEndMessage(Outcome outcome)
{
    switch (outcome) {
    case Outcome::WriteCompleted:
        return Message(Kind::Written,
                       QCoreApplication::translate("q731::TransferController", "写频成功！"),
                       StyleOkInformation, QT_TRANSLATE_NOOP("q731::TransferController", "提示"));
    case Outcome::BandRefused:
        return Message(
            Kind::Refused,
            QCoreApplication::translate("q731::TransferController", "频段不符，不能写入！"),
            StyleOkExclamation, QT_TRANSLATE_NOOP("q731::TransferController", "错误"));
    case Outcome::BandOverrideCancelled:
        return {Kind::Cancelled, {}, 0, {}};
    default:
        return Message(Kind::Failed, FailureText(outcome), StyleOkStop,
                       QT_TRANSLATE_NOOP("q731::TransferController", "错误"));
    }
}

WriteMessage VerifyEndMessage(Outcome readBack, const std::vector<ByteDifference> &differences,
                              Language language, const QString &portText)
{
    const char *error = QT_TRANSLATE_NOOP("q731::TransferController", "错误");
    const QString failedRead =
        QCoreApplication::translate("q731::TransferController", "写频已完成，但读回校验失败：");
    if (!portText.isEmpty())
        return Message(Kind::Failed, failedRead + portText, StyleOkStop, error);
    if (readBack != Outcome::ReadCompleted)
        return Message(Kind::Failed, failedRead + FailureText(readBack), StyleOkStop, error);
    if (!differences.empty())
        return Message(Kind::Failed, DifferencesText(differences, language), StyleOkStop, error);
    return Message(
        Kind::Written,
        QCoreApplication::translate("q731::TransferController", "写频成功！已读回校验，数据一致。"),
        StyleOkInformation, QT_TRANSLATE_NOOP("q731::TransferController", "提示"));
}

QString BandOverrideQuestion()
{
    return Said(QT_TRANSLATE_NOOP("q731::TransferController", "频段不符，是否强制写入？"));
}

QString TransferRunningText()
{
    return Said(
        QT_TRANSLATE_NOOP("q731::TransferController", "正在与对讲机通信，请等它结束后再试。"));
}

QString AttentionCaption()
{
    return Said(QT_TRANSLATE_NOOP("q731::TransferController", "注意"));
}

} // namespace q731
