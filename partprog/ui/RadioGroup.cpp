#include "partprog/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& title, std::initializer_list<Choice> choices, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    int index = 0;
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(choice.text, this);
        button->setObjectName(QString::number(choice.controlId));
        group_->addButton(button, index++);
        layout->addWidget(button);
    }
}

void RadioGroup::SetIndex(int index)
{
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button; let go of it for a moment.
    group_->setExclusive(false);
    for (QAbstractButton* button : group_->buttons())
        button->setChecked(false);
    group_->setExclusive(true);
}

int RadioGroup::GetIndex() const { return group_->checkedId(); }

QRadioButton& RadioGroup::Button(int index) const { return *static_cast<QRadioButton*>(group_->button(index)); }
