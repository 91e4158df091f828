#include "model/ui/FormBinder.h"

#include "fw/core/MessageService.h"
#include "fw/core/Number.h"
#include "fw/core/StringTable.h"
#include "fw/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace {

constexpr unsigned IDS_WHOLE_NUMBER_RANGE = 33601;
constexpr unsigned IDS_LENGTH_RANGE = 33602;
constexpr unsigned IDS_NUMBER_INVALID = 33603;

template <class Widget> Widget& Named(Widget& widget, int id)
{
    widget.setObjectName(ControlName(id));
    return widget;
}

// A limit as the range message shows it, in the control's measuring system; never empty.
std::string FormatLimit(double inches, int system)
{
    CDimension d;
    d.SetUnits(system);
    d.SetValue(inches);
    const std::string text = d.FormatAs(system);
    return text.empty() ? "0" : text;
}

int ToInt(std::uint32_t value) { return int(std::min<std::uint32_t>(value, INT_MAX)); }

} // namespace

QString ControlName(int id) { return QString::number(id); }

QGroupBox& AddGroupBox(QBoxLayout& parent, const QString& title)
{
    auto* box = new QGroupBox(title);
    parent.addWidget(box);
    return *box;
}

QRadioButton& AddRadio(QButtonGroup& group, QLayout& layout, const QString& text, int id, int value)
{
    auto& button = Named(*new QRadioButton(text), id);
    group.addButton(&button, value);
    layout.addWidget(&button);
    return button;
}

void RefuseControl(const std::string& message, QWidget& control)
{
    fw::ShowMessage(message, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    control.setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->selectAll();
    else if (auto* box = qobject_cast<QAbstractSpinBox*>(&control))
        box->selectAll();
}

std::optional<std::string> CheckMaxChars(const std::string& text, std::size_t maxLength)
{
    if (text.size() <= maxLength)
        return std::nullopt;
    return "Enter no more than " + std::to_string(maxLength) + " characters.";
}

void ClearRadio(QButtonGroup& group)
{
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

FormBinder::TextCheck MaxChars(std::size_t maxLength)
{
    return [maxLength](const std::string& text) { return CheckMaxChars(text, maxLength); };
}

FormBinder::TextCheck RuleCheck(std::function<std::string(std::string_view)> rule)
{
    return [rule = std::move(rule)](const std::string& text) -> std::optional<std::string> {
        std::string refusal = rule(text);
        if (refusal.empty())
            return std::nullopt;
        return refusal;
    };
}

void FormBinder::Length::Show(double inches)
{
    edited = false;
    // A value the control cannot hold is not kept behind what the control shows.
    value = lenbox.SetDecimalInches(inches) ? inches : lenbox.GetDecimalInches();
}

void FormBinder::BindLength(const CLenbox& lenbox, double min, double max, std::function<void(Length&)> load,
                            std::function<void(double)> store)
{
    auto length = std::make_shared<Length>();
    length->lenbox = lenbox;
    QWidget& control = *lenbox.GetControl();
    length->lenbox.SetLimits(min, max);
    length->lenbox.OnChanged(&control, [weak = std::weak_ptr<Length>(length)] {
        if (const std::shared_ptr<Length> l = weak.lock())
            l->edited = true;
    });
    lengths_.push_back(length);
    bindings_.push_back({&control, [length, load] { load(*length); },
                         [length, &control, min, max] {
                             const double inches = length->Value();
                             if (inches >= min && inches <= max)
                                 return true;
                             const int system = int(length->lenbox.GetDimensionType());
                             RefuseControl(fw::StringTables::Get("VARNEX").Format(
                                               IDS_LENGTH_RANGE, {FormatLimit(min, system), FormatLimit(max, system)}),
                                           control);
                             return false;
                         },
                         [length, store] { store(length->Value()); }});
}

CLenbox FormBinder::AddLength(QFormLayout& layout, int id, const QString& label, double min, double max,
                              std::function<void(Length&)> load, std::function<void(double)> store)
{
    CLenbox lenbox;
    lenbox.Attach(CLenbox::CreateControl(layout.parentWidget()));
    layout.addRow(label, &Named(*lenbox.GetControl(), id));
    BindLength(lenbox, min, max, std::move(load), std::move(store));
    return lenbox;
}

void FormBinder::SetDimensionType(const CLenbox& lenbox, int system)
{
    for (const std::shared_ptr<Length>& length : lengths_)
        if (length->lenbox.GetControl() == lenbox.GetControl()) {
            const double inches = length->Value();
            length->lenbox.SetDimensionType(system);
            length->Show(inches);
        }
}

std::function<void(FormBinder::Length&)> FormBinder::LoadDimension(const CDimension& value)
{
    return [&value](Length& length) {
        length.lenbox.SetDimensionType(value.GetUnits());
        length.Show(value.GetValue());
    };
}

CLenbox FormBinder::AddLength(QFormLayout& layout, int id, const QString& label, CDimension& value, double min,
                              double max)
{
    return AddLength(layout, id, label, min, max, LoadDimension(value),
                     [&value](double inches) { value.SetValue(inches); });
}

CLenbox FormBinder::AddLength(QFormLayout& layout, int id, const QString& label, double& value, double min, double max)
{
    return AddLength(
        layout, id, label, min, max, [&value](Length& length) { length.Show(value); },
        [&value](double inches) { value = inches; });
}

void FormBinder::BindLength(const CLenbox& length, CDimension& value, double min, double max)
{
    BindLength(length, min, max, LoadDimension(value), [&value](double inches) { value.SetValue(inches); });
}

QSpinBox& FormBinder::AddWhole(QFormLayout& layout, int id, const QString& label, std::uint32_t& value, int min, int max,
                               std::pair<int, int> upDown)
{
    auto& box = Named(*new QSpinBox, id);
    const bool arrows = upDown.first != upDown.second;
    box.setRange(arrows ? upDown.first : INT_MIN, arrows ? upDown.second : INT_MAX);
    box.setButtonSymbols(arrows ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
    layout.addRow(label, &box);
    bindings_.push_back({&box, [&box, &value] { box.setValue(ToInt(value)); },
                         [&box, min, max] {
                             if (box.value() >= min && box.value() <= max)
                                 return true;
                             RefuseControl(fw::StringTables::Get("VARNEX").Format(
                                               IDS_WHOLE_NUMBER_RANGE, {std::to_string(min), std::to_string(max)}),
                                           box);
                             return false;
                         },
                         [&box, &value] { value = std::uint32_t(box.value()); }});
    return box;
}

QLineEdit& FormBinder::AddNumber(QFormLayout& layout, int id, const QString& label, double& value)
{
    auto& edit = Named(*new QLineEdit, id);
    layout.addRow(label, &edit);
    BindEdit(
        edit, [&value] { return fw::FormatGeneral(value); },
        [](const std::string& text) -> std::optional<std::string> {
            const std::optional<double> read = fw::ParseDouble(text);
            if (read && std::isfinite(*read))
                return std::nullopt;
            return fw::StringTables::Get("VARNEX").Get(IDS_NUMBER_INVALID);
        },
        [&value](const std::string& text) { value = *fw::ParseDouble(text); });
    return edit;
}

QLineEdit& FormBinder::AddText(QFormLayout& layout, int id, const QString& label, std::string& value, int maxLength)
{
    auto& edit = Named(*new QLineEdit, id);
    if (maxLength > 0)
        edit.setMaxLength(maxLength);
    layout.addRow(label, &edit);
    BindText(edit, value);
    return edit;
}

QComboBox& FormBinder::AddCombo(QFormLayout& layout, int id, const QString& label, std::string& value,
                                const QStringList& items, int maxLength)
{
    auto& box = Named(*new QComboBox, id);
    box.setEditable(true);
    box.setInsertPolicy(QComboBox::NoInsert);
    box.addItems(items);
    if (maxLength > 0)
        box.lineEdit()->setMaxLength(maxLength);
    layout.addRow(label, &box);
    BindCombo(box, value);
    return box;
}

void FormBinder::BindEdit(QLineEdit& edit, std::function<std::string()> load, TextCheck check,
                          std::function<void(const std::string&)> store)
{
    bindings_.push_back({&edit, [&edit, load] { edit.setText(fw::ToQString(load())); },
                         [&edit, check] {
                             const std::optional<std::string> refusal =
                                 check ? check(fw::FromQString(edit.text())) : std::nullopt;
                             if (refusal)
                                 RefuseControl(*refusal, edit);
                             return !refusal;
                         },
                         [&edit, store] { store(fw::FromQString(edit.text())); }});
}

void FormBinder::BindText(QLineEdit& edit, std::string& value, TextCheck check)
{
    BindEdit(
        edit, [&value] { return value; }, std::move(check), [&value](const std::string& text) { value = text; });
}

void FormBinder::BindInteger(QLineEdit& edit, std::uint32_t& value, std::uint32_t min, std::uint32_t max)
{
    const auto read = [min, max](const std::string& text) -> std::optional<std::uint32_t> {
        const std::optional<int> number = fw::ParseInt(text);
        if (!number || *number < 0 || std::uint32_t(*number) < min || std::uint32_t(*number) > max)
            return std::nullopt;
        return std::uint32_t(*number);
    };
    BindEdit(
        edit, [&value] { return std::to_string(value); },
        [read, min, max](const std::string& text) -> std::optional<std::string> {
            if (read(text))
                return std::nullopt;
            return "Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + ".";
        },
        [read, &value](const std::string& text) { value = *read(text); });
}

void FormBinder::BindCombo(QComboBox& box, std::string& value)
{
    bindings_.push_back({&box, [&box, &value] { box.setEditText(fw::ToQString(value)); }, [] { return true; },
                         [&box, &value] { value = fw::FromQString(box.currentText()); }});
}

void FormBinder::BindChecked(QCheckBox& box, std::function<bool()> get, std::function<void(bool)> set)
{
    bindings_.push_back({&box, [&box, get] { box.setChecked(get()); }, [] { return true; },
                         [&box, set] { set(box.isChecked()); }});
}

void FormBinder::BindCheck(QCheckBox& box, int& value)
{
    BindChecked(
        box, [&value] { return value != 0; }, [&value](bool checked) { value = checked ? 1 : 0; });
}

QCheckBox& FormBinder::AddCheck(QBoxLayout& layout, int id, const QString& label, std::uint32_t& value)
{
    auto& box = Named(*new QCheckBox(label), id);
    layout.addWidget(&box);
    BindChecked(
        box, [&value] { return value != 0; }, [&value](bool checked) { value = checked ? 1 : 0; });
    return box;
}

QButtonGroup& FormBinder::MakeRadio(QBoxLayout& layout, const QString& title,
                                    std::initializer_list<std::pair<int, QString>> buttons)
{
    auto* box = new QGroupBox(title);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int index = 0;
    for (const auto& [id, label] : buttons)
        ::AddRadio(*group, *row, label, id, index++);
    layout.addWidget(box);
    return *group;
}

void FormBinder::BindRadio(QButtonGroup& group, std::function<int()> get, std::function<void(int)> set)
{
    bindings_.push_back({group.buttons().value(0),
                         [&group, get] {
                             if (QAbstractButton* button = group.button(get()))
                                 button->setChecked(true);
                             else
                                 ClearRadio(group);
                         },
                         [] { return true; }, [&group, set] { set(group.checkedId()); }});
}

QButtonGroup& FormBinder::AddRadio(QBoxLayout& layout, const QString& title,
                                   std::initializer_list<std::pair<int, QString>> buttons, std::uint32_t& value)
{
    QButtonGroup& group = MakeRadio(layout, title, buttons);
    // A value no button stands for stays as it is until a button is chosen.
    BindRadio(
        group, [&value] { return ToInt(value); },
        [&value](int id) {
            if (id >= 0)
                value = std::uint32_t(id);
        });
    return group;
}

QButtonGroup& FormBinder::AddRadio(QBoxLayout& layout, const QString& title,
                                   std::initializer_list<std::pair<int, QString>> buttons, std::int32_t& value)
{
    QButtonGroup& group = MakeRadio(layout, title, buttons);
    BindRadio(group, value);
    return group;
}

void FormBinder::BindRadio(QButtonGroup& group, std::int32_t& value)
{
    BindRadio(
        group, [&value] { return int(value); }, [&value](int id) { value = id; });
}

void FormBinder::Load(const std::set<const QWidget*>& kept)
{
    for (const Binding& b : bindings_)
        if (!kept.contains(b.control))
            b.load();
}

bool FormBinder::Store()
{
    for (const Binding& b : bindings_)
        if (!b.check())
            return false;
    for (const Binding& b : bindings_)
        b.store();
    return true;
}

bool FormBinder::StoreControl(const QWidget& control)
{
    for (const Binding& b : bindings_)
        if (b.control == &control) {
            if (!b.check())
                return false;
            b.store();
        }
    return true;
}

