#include "qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace q731 {

namespace {

const QString kTranslatorName = QStringLiteral("q731QtTranslations");
const QString kChineseCatalogue = QStringLiteral("qtbase_zh_CN.qm");

// The translator lives as a child of the application, so that there is one
// per application and it goes with it.
QTranslator *InstalledTranslator(QCoreApplication *app)
{
    return app->findChild<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly);
}

} // namespace

QStringList QtTranslationFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("translations"));
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return folders;
}

QString QtCatalogueFile(Language language)
{
    if (language != Language::Chinese)
        return {};
    for (const QString &folder : QtTranslationFolders()) {
        const QString path = QDir(folder).filePath(kChineseCatalogue);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool ApplyQtTranslations(Language language)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    QTranslator *installed = InstalledTranslator(app);
    if (language == Language::English) {
        // Removing the catalogue tells every widget to take Qt's texts anew.
        delete installed;
        return true;
    }
    if (installed)
        return true;
    const QString path = QtCatalogueFile(language);
    if (path.isEmpty())
        return false;
    auto *translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace q731
