#include "platform/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translator lives as a child of the application, found again by its name, so that the
// process keeps no state of its own beside the application object.
constexpr const char* TranslatorName = "dravo-qt-translation";

}  // namespace

bool UseQtTranslationFor(const LanguageFlags& languages) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return false;
    if (auto* old = application->findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (languages.UiLanguage != 0) return true;
    auto* translator = new QTranslator(application);
    translator->setObjectName(TranslatorName);
    if (!translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
