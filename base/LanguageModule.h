#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

// The language module in use: the translation file <language name>.qm,
// installed in the application so that every tr() text comes from it.
class LanguageModule {
public:
    // The module file <languageName>.qm in the first directory that has it.
    // Letter case is ignored, as the language name in the settings file may
    // be written in any case; an empty name finds nothing.
    static QString FindModule(const QString& languageName, const QStringList& directories);

    explicit LanguageModule(QStringList directories);
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Loads the module of languageName. The new module is loaded first and the
    // old one released only when that worked, so the program is never left
    // without texts; on failure the old module stays in force.
    bool Load(const QString& languageName);

    bool IsLoaded() const { return m_Translator != nullptr; }
    // Whether Qt's own texts (the buttons of message boxes, the file dialog)
    // are translated too; they are for Chinese when the system has Qt's
    // translations, and stay English otherwise.
    bool HasQtTexts() const { return m_QtTranslator != nullptr; }
    const QString& LoadedPath() const { return m_Path; }
    const QStringList& Directories() const { return m_Directories; }

private:
    void LoadQtTexts(const QString& languageName);

    QStringList m_Directories;
    std::unique_ptr<QTranslator> m_Translator;
    std::unique_ptr<QTranslator> m_QtTranslator;
    QString m_Path;
};
