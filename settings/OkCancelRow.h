#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

// The centred OK / Cancel row both settings dialogs end with. The button texts
// are translated in the dialog's own context, so each dialog's translation
// entries keep working.
inline QHBoxLayout* MakeOkCancelRow(QDialog* dialog) {
    const char* context = dialog->metaObject()->className();
    auto* ok = new QPushButton(QCoreApplication::translate(context, "OK"), dialog);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate(context, "Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addStretch();
    return row;
}
