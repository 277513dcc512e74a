#include "base/LanguageModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>


LanguageModule::LanguageModule(QStringList directories) : m_Directories(std::move(directories)) {}

LanguageModule::~LanguageModule() {
    if (QCoreApplication::instance()) {
        for (QTranslator* t : {m_Translator.get(), m_QtTranslator.get()}) {
            if (t) {
                QCoreApplication::removeTranslator(t);
            }
        }
    }
}

bool LanguageModule::Load(const QString& languageName) {
    const QString path = FindModule(languageName, m_Directories);
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
    LoadQtTexts(languageName);
    return true;
}

void LanguageModule::LoadQtTexts(const QString& languageName) {
    if (m_QtTranslator) {
        QCoreApplication::removeTranslator(m_QtTranslator.get());
        m_QtTranslator.reset();
    }
    if (languageName.compare(QLatin1String("Chinese"), Qt::CaseInsensitive) != 0) {
        return; // Qt's texts are English already
    }
    // Beside the program first (a copy that carries its own), then Qt's.
    auto qt = std::make_unique<QTranslator>();
    QStringList folders = m_Directories;
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : folders) {
        if (qt->load(QStringLiteral("qtbase_zh_CN"), folder)) {
            QCoreApplication::installTranslator(qt.get());
            m_QtTranslator = std::move(qt);
            return;
        }
    }
}

QString LanguageModule::FindModule(const QString& languageName, const QStringList& directories) {
    if (languageName.trimmed().isEmpty()) {
        return {};
    }
    const QString wanted = languageName + QStringLiteral(".qm");
    for (const QString& dirPath : directories) {
        const QDir dir(dirPath);
        const QFileInfo exact(dir.filePath(wanted));
        if (exact.isFile()) {
            return exact.absoluteFilePath();
        }
        const QStringList entries = dir.entryList({QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& entry : entries) {
            if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
                return dir.absoluteFilePath(entry);
            }
        }
    }
    return {};
}
