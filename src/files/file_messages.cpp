#include "file_messages.h"

#include "files/data_file_store.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>

namespace q731 {

QString Quoted(const QString &path, Language language)
{
    const QString native = QDir::toNativeSeparators(path);
    return language == Language::English ? QStringLiteral("\"%1\"").arg(native)
                                         : QStringLiteral("“%1”").arg(native);
}

QString SpecialFileReason(Language language)
{
    return language == Language::English
               ? QStringLiteral("it is not a regular file but a device, pipe or socket")
               : QStringLiteral("它不是普通文件，而是设备、管道或套接字");
}

QString ReadReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const bool english = language == Language::English;
    if (!info.exists())
        return english ? QStringLiteral("the file does not exist") : QStringLiteral("文件不存在");
    if (info.isDir())
        return english ? QStringLiteral("it is a folder") : QStringLiteral("这是一个文件夹");
    if (IsSpecialFile(path))
        return SpecialFileReason(language);
    if (!info.isReadable())
        return english ? QStringLiteral("no permission to read it")
                       : QStringLiteral("没有读取权限");
    return systemReason;
}

QString WriteReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    const bool english = language == Language::English;
    if (IsSpecialFile(path))
        return SpecialFileReason(language);
    if (!folder.isDir())
        return english ? QStringLiteral("the folder does not exist")
                       : QStringLiteral("文件夹不存在");
    if (info.isDir())
        return english ? QStringLiteral("it is a folder") : QStringLiteral("这是一个文件夹");
    if (!folder.isWritable())
        return english ? QStringLiteral("no permission to write in the folder")
                       : QStringLiteral("没有写入该文件夹的权限");
    return systemReason;
}

void ShowFileError(MessageBoxes &boxes, Language language, const QString &chinese,
                   const QString &english)
{
    const bool isEnglish = language == Language::English;
    boxes.show(isEnglish ? english : chinese, StyleOkStop,
               isEnglish ? QStringLiteral("Mistake") : QStringLiteral("错误"));
}

void ShowCannotOpen(MessageBoxes &boxes, Language language, const QString &path,
                    const QString &reason)
{
    ShowFileError(
        boxes, language, QStringLiteral("无法打开文件%1：%2。").arg(Quoted(path, language), reason),
        QStringLiteral("Cannot open the file %1: %2.").arg(Quoted(path, language), reason));
}

} // namespace q731
