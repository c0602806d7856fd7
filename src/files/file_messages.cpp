#include "file_messages.h"

#include "files/data_file_store.h"
#include "session/qt_translations.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>

namespace q731 {

QString Quoted(const QString &path, Language language)
{
    const QString native = QDir::toNativeSeparators(path);
    const TextsIn translate(language);
    return translate("FileMessages", "“%1”").arg(native);
}

QString SpecialFileReason(Language language)
{
    const TextsIn translate(language);
    return translate("FileMessages", "它不是普通文件，而是设备、管道或套接字");
}

QString ReadReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const TextsIn translate(language);
    if (!info.exists())
        return translate("FileMessages", "文件不存在");
    if (info.isDir())
        return translate("FileMessages", "这是一个文件夹");
    if (IsSpecialFile(path))
        return SpecialFileReason(language);
    if (!info.isReadable())
        return translate("FileMessages", "没有读取权限");
    return systemReason;
}

QString WriteReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    const TextsIn translate(language);
    if (IsSpecialFile(path))
        return SpecialFileReason(language);
    if (!folder.isDir())
        return translate("FileMessages", "文件夹不存在");
    if (info.isDir())
        return translate("FileMessages", "这是一个文件夹");
    if (!folder.isWritable())
        return translate("FileMessages", "没有写入该文件夹的权限");
    return systemReason;
}

void ShowFileError(MessageBoxes &boxes, Language language, const QString &text)
{
    const TextsIn translate(language);
    boxes.show(text, StyleOkStop, translate("FileMessages", "错误"));
}

void ShowCannotOpen(MessageBoxes &boxes, Language language, const QString &path,
                    const QString &reason)
{
    const TextsIn translate(language);
    ShowFileError(
        boxes, language,
        translate("FileMessages", "无法打开文件%1：%2。").arg(Quoted(path, language), reason));
}

} // namespace q731
