#pragma once

#include <QDialog>

// The About box: program icon, name, version and the maker's notice.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static QString VersionText() { return QStringLiteral("Version 7.0.0"); }
};
