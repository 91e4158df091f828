#pragma once
// A framed group of radio buttons exchanged as the index of the checked one (-1: none), the way
// the part dialogs keep their radio members. Each button is named by its control id.

#include <QGroupBox>

#include <initializer_list>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
public:
    struct Choice {
        int controlId;
        const char* text;
    };

    RadioGroup(const QString& title, std::initializer_list<Choice> choices, QWidget* parent);

    // Checks the button at that index; an index without a button checks none.
    void SetIndex(int index);
    // The checked button's index, or -1.
    int GetIndex() const;
    QRadioButton& Button(int index) const;

private:
    QButtonGroup* group_;
};
