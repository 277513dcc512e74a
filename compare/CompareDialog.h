#pragma once

#include <QDialog>

#include "base/Lang.h"
#include "compare/ImageCompare.h"

class QLabel;
class QPushButton;
class QTreeWidget;

// The differences between two images, grouped by channel and by settings
// dialog, with their count; Copy puts them on the clipboard as text, one
// line per difference as orinctl diff prints them.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // heading says what was compared with what; before and after name the
    // two sides as the columns show them.
    CompareDialog(const ImageComparison& comparison, Lang lang, const QString& title,
                  const QString& heading, const QString& before, const QString& after,
                  QWidget* parent = nullptr);

    // The summary line ("5 channels and 2 settings differ").
    QString Summary() const;
    // The whole list as Copy puts it on the clipboard.
    QString Text() const { return m_Text; }
    QTreeWidget* List() const { return m_List; }
    QPushButton* CopyButton() const { return m_Copy; }

public slots:
    void CopyToClipboard();

private:
    QLabel* m_Summary;
    QTreeWidget* m_List;
    QPushButton* m_Copy;
    QString m_Text;
};
