#include "product.h"

#include <QCoreApplication>

namespace q731 {

QString ProductTitle(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Radio Programming Software")
                                         : QStringLiteral("Q-731 对讲机编程软件");
}

QString MainWindowCaption(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Radio Programming Software V1.10")
                                         : QStringLiteral("Q-731 对讲机编程软件V1.10");
}

QString MakerName(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Software Team")
                                         : QStringLiteral("Q-731 编程软件开发组");
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace q731
