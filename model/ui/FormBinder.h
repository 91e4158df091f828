#pragma once
// Makes the controls of a form, page or dialog (or takes those a form laid out itself) and binds
// each one to the value it edits: Load shows the values, Store reads every control back, all or
// nothing. Whole numbers and lengths are checked against their ranges, texts by the form's own
// checks; the first that fails gets its message and the focus, and nothing is stored. Each
// control's object name is its control id.

#include "records/Dimension.h"
#include "model/ui/Lenbox.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

// The control of an id among a widget's children.
QString ControlName(int id);

// A titled group box added to the layout.
QGroupBox& AddGroupBox(QBoxLayout& parent, const QString& title);

// A radio button of that control id added to the layout and to the group, where it stands for value.
QRadioButton& AddRadio(QButtonGroup& group, QLayout& layout, const QString& text, int id, int value);

// Shows why a control's value is refused and gives the control the focus, its text selected.
void RefuseControl(const std::string& message, QWidget& control);

// "Enter no more than N characters." for a text longer than maxLength bytes; none otherwise.
std::optional<std::string> CheckMaxChars(const std::string& text, std::size_t maxLength);

class FormBinder {
public:
    // Why a text is refused, or none when it is valid.
    using TextCheck = std::function<std::optional<std::string>(const std::string&)>;

    // A dimension-entry control, its label and its limits (inches). The CDimension form shows
    // the value in its own measuring system.
    CLenbox AddLength(QFormLayout& layout, int id, const QString& label, CDimension& value, double min, double max);
    CLenbox AddLength(QFormLayout& layout, int id, const QString& label, double& value, double min, double max);
    // A whole number checked against min..max; with an up-down range the box has arrows in it.
    QSpinBox& AddWhole(QFormLayout& layout, int id, const QString& label, std::uint32_t& value, int min, int max,
                       std::pair<int, int> upDown = {0, 0});
    // A plain number (no unit).
    QLineEdit& AddNumber(QFormLayout& layout, int id, const QString& label, double& value);
    QLineEdit& AddText(QFormLayout& layout, int id, const QString& label, std::string& value, int maxLength = 0);
    // An editable combo box of the given items; its text is the value.
    QComboBox& AddCombo(QFormLayout& layout, int id, const QString& label, std::string& value,
                        const QStringList& items = {}, int maxLength = 0);
    QCheckBox& AddCheck(QBoxLayout& layout, int id, const QString& label, std::uint32_t& value);
    // A box of radio buttons; the n-th button (0-based) stands for value n. A value that no
    // button stands for (-1, a new machine's kind) checks none.
    QButtonGroup& AddRadio(QBoxLayout& layout, const QString& title, std::initializer_list<std::pair<int, QString>> buttons,
                           std::uint32_t& value);
    QButtonGroup& AddRadio(QBoxLayout& layout, const QString& title, std::initializer_list<std::pair<int, QString>> buttons,
                           std::int32_t& value);

    // Controls the form made and laid out itself; the object names are left as they are.
    void BindText(QLineEdit& edit, std::string& value, TextCheck check = {});
    // A line edit whose text stands for a value: check refuses a text (and takes the focus with
    // its message), store takes a text that check accepted.
    void BindEdit(QLineEdit& edit, std::function<std::string()> load, TextCheck check,
                  std::function<void(const std::string&)> store);
    // A whole number typed as text, from min to max; anything else is refused with "Please enter
    // an integer between <min> and <max>."
    void BindInteger(QLineEdit& edit, std::uint32_t& value, std::uint32_t min, std::uint32_t max);
    void BindCombo(QComboBox& box, std::string& value);
    void BindCheck(QCheckBox& box, int& value);
    void BindLength(const CLenbox& length, CDimension& value, double min, double max);
    // The group's button ids are the values.
    void BindRadio(QButtonGroup& group, std::int32_t& value);

    // Shows a length control's value in another measuring system without rounding it.
    void SetDimensionType(const CLenbox& length, int system);

    // Shows the values, except in the controls kept: those keep what the user typed.
    void Load(const std::set<const QWidget*>& kept = {});
    bool Store();
    // Reads the one control again; false (with the message and the focus) when it fails.
    bool StoreControl(const QWidget& control);

private:
    // A length as shown: the value given stays exact until the user changes the control; a value
    // the control cannot hold becomes the one it shows.
    struct Length {
        CLenbox lenbox;
        double value = 0.0;
        bool edited = false;
        double Value() const { return edited ? lenbox.GetDecimalInches() : value; }
        void Show(double inches);
    };
    struct Binding {
        const QWidget* control;
        std::function<void()> load;
        std::function<bool()> check;   // on failure shows why and takes the focus
        std::function<void()> store;   // what check accepted
    };
    QButtonGroup& MakeRadio(QBoxLayout& layout, const QString& title,
                            std::initializer_list<std::pair<int, QString>> buttons);
    void BindRadio(QButtonGroup& group, std::function<int()> get, std::function<void(int)> set);
    void BindChecked(QCheckBox& box, std::function<bool()> get, std::function<void(bool)> set);
    CLenbox AddLength(QFormLayout& layout, int id, const QString& label, double min, double max,
                      std::function<void(Length&)> load, std::function<void(double)> store);
    void BindLength(const CLenbox& lenbox, double min, double max, std::function<void(Length&)> load,
                    std::function<void(double)> store);
    static std::function<void(Length&)> LoadDimension(const CDimension& value);

    std::vector<Binding> bindings_;
    std::vector<std::shared_ptr<Length>> lengths_;
};

// A check of texts of at most maxLength bytes (see CheckMaxChars).
FormBinder::TextCheck MaxChars(std::size_t maxLength);

// A check from a rule that gives why a text is refused, or an empty text for a valid one.
FormBinder::TextCheck RuleCheck(std::function<std::string(std::string_view)> rule);

// Checks every button of a group off (the group stays exclusive for the user).
void ClearRadio(QButtonGroup& group);

