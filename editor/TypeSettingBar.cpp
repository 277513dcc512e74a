#include "editor/TypeSettingBar.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "base/AppLanguage.h"

namespace {

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A band box as wide as five digits in the font and style it ends up with,
// asked of the style whenever the layout asks. (A width fixed when the box was
// made, from the font it had then and a guess at the frame, can leave no room
// for the text under another style, font or screen.)
class BandBox final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    QSize sizeHint() const override {
        constexpr int LineEditMargins = 2 * 2; // QLineEdit's own, left and right
        const QMargins margins = textMargins();
        const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                             LineEditMargins + margins.left() + margins.right(),
                         fontMetrics().height());
        QStyleOptionFrame option;
        initStyleOption(&option);
        return {style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this).width(),
                QLineEdit::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A list that is never squeezed below its longest entry: a narrow window (a
// large scale on a small screen) shortens the bar's spacing, not "Orin-6140D".
class WholeList final : public QComboBox {
public:
    using QComboBox::QComboBox;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The room between the bar's groups; it gives way first when the bar is short
// of room.
QSpacerItem* Gap() {
    return new QSpacerItem(18, 0, QSizePolicy::Preferred, QSizePolicy::Minimum);
}

QLineEdit* MakeBandBox(const char* name, int id, QWidget* parent) {
    auto* box = new BandBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty("controlId", id);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

} // namespace

TypeSettingBar::TypeSettingBar(QWidget* parent) : QGroupBox(tr("Type Setting"), parent) {
    setObjectName(QStringLiteral("TypeSettingBar"));
    setProperty("controlId", 2001);

    m_TypeLabel = MakeLabel(tr("Type"), "TypeLabel", this);
    m_TypeLabel->setProperty("controlId", 2002);
    m_TypeList = new WholeList(this);
    m_TypeList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_TypeList->setObjectName(QStringLiteral("TypeList"));
    m_TypeList->setProperty("controlId", 1017);
    m_TypeList->addItem(tr("Orin-6140D"));

    m_FieldLabel = MakeLabel(tr("Field"), "FieldLabel", this);
    m_FieldLabel->setProperty("controlId", 2003);
    m_LowerBox = MakeBandBox("LowerBandBox", 1080, this);
    m_Dashes = new QLabel(tr("---"), this);
    m_Dashes->setAlignment(Qt::AlignCenter);
    m_UpperBox = MakeBandBox("UpperBandBox", 1081, this);

    m_ManualLabel = MakeLabel(tr("Manul Setting"), "ManualLabel", this);
    m_ManualLabel->setProperty("controlId", 2005);
    m_ManualList = new WholeList(this);
    m_ManualList->setObjectName(QStringLiteral("ManualList"));
    m_ManualList->setProperty("controlId", 1019);
    m_ManualList->addItem(tr("Open"));
    m_ManualList->addItem(tr("Close"));
    // Room for the longest entry of either language after a switch.
    m_ManualList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_ManualList->setMinimumContentsLength(5);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 4, 10, 6);
    row->addWidget(m_TypeLabel);
    row->addWidget(m_TypeList);
    row->addSpacerItem(Gap());
    row->addWidget(m_FieldLabel);
    row->addWidget(m_LowerBox);
    row->addWidget(m_Dashes);
    row->addWidget(m_UpperBox);
    row->addSpacerItem(Gap());
    row->addWidget(m_ManualLabel);
    row->addWidget(m_ManualList);
    row->addStretch(1);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_TypeLabel->setBuddy(m_TypeList);
    m_FieldLabel->setBuddy(m_LowerBox);
    m_ManualLabel->setBuddy(m_ManualList);
    Retranslate();
}

void TypeSettingBar::ShowBandEdges(unsigned lower, unsigned upper) {
    m_UpperBox->setText(QString::number(upper));
    m_LowerBox->setText(QString::number(lower));
}

void TypeSettingBar::Retranslate() {
    setTitle(tr("Type Setting"));
    m_TypeLabel->setText(tr("Type"));
    m_FieldLabel->setText(tr("Field"));
    m_ManualLabel->setText(tr("Manul Setting"));
    m_ManualList->setItemText(0, tr("Open"));
    m_ManualList->setItemText(1, tr("Close"));
    // Each control is named by its label.
    m_TypeList->setAccessibleName(m_TypeLabel->text());
    m_LowerBox->setAccessibleName(m_FieldLabel->text() + QStringLiteral(" (") + tr("lower edge") +
                                  QLatin1Char(')'));
    m_UpperBox->setAccessibleName(m_FieldLabel->text() + QStringLiteral(" (") + tr("upper edge") +
                                  QLatin1Char(')'));
    m_ManualList->setAccessibleName(m_ManualLabel->text());
}

void TypeSettingBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QGroupBox::changeEvent(event);
}
