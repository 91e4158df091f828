#pragma once
// "New Mark": the mark of an opposite-hand part. Choosing a hand puts its suffix ("-L" or "-R")
// on the mark; "Do all names similarly" can be checked only while the mark carries a hand suffix
// that the dialog set or that it came with.

#include "shell/NameRules.h"

#include "model/ui/FormBinder.h"

#include <QDialog>

#include <string>

class CEditFix;
class QCheckBox;
class QLabel;
class QRadioButton;

class CMarkDlg : public QDialog {
public:
    CMarkDlg(const std::string& captionText, const std::string& mark, Hand hand, bool doAllSimilarly,
             QWidget* parent = nullptr);

    // The values after OK.
    const std::string& GetMark() const { return mark_; }
    Hand GetHand() const { return hand_; }
    bool GetDoAllSimilarly() const { return doAll_; }

    CEditFix& MarkEdit() const { return *edit_; }
    QRadioButton& LeftButton() const { return *left_; }
    QRadioButton& RightButton() const { return *right_; }
    QCheckBox& DoAllBox() const { return *doAllBox_; }

    // Refuses a mark that is empty, longer than 10 characters or can't stand as a file name.
    void accept() override;

private:
    void OnHand(Hand hand);
    void ShowValues();

    QLabel* caption_;
    CEditFix* edit_;
    QRadioButton* left_;
    QRadioButton* right_;
    QCheckBox* doAllBox_;
    std::string mark_;
    Hand hand_;
    bool doAll_;
    FormBinder binder_;
};
