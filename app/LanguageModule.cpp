#include "app/LanguageModule.h"

#include <QCoreApplication>
#include <QTranslator>

#include "app/AppStartup.h"

LanguageModule::LanguageModule(QStringList directories) : m_Directories(std::move(directories)) {}

LanguageModule::~LanguageModule() {
    if (m_Translator && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(m_Translator.get());
    }
}

bool LanguageModule::Load(const QString& languageName) {
    const QString path = AppStartup::FindModule(languageName, m_Directories);
    if (path.isEmpty()) {
        return false;
    }
    auto next = std::make_unique<QTranslator>();
    if (!next->load(path)) {
        return false;
    }
    QCoreApplication::installTranslator(next.get());
    if (m_Translator) {
        QCoreApplication::removeTranslator(m_Translator.get());
    }
    m_Translator = std::move(next);
    m_Path = path;
    return true;
}
