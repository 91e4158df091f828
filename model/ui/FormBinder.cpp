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

void ClearRadio(QButtonGroup& group)
{
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

void FormBinder::Length::Show(double inches)
{
    edited = false;
    // A value the control cannot hold is not kept behind what the control shows.
    value = lenbox.SetDecimalInches(inches) ? inches : lenbox.GetDecimalInches();
}

CLenbox FormBinder::BindLength(QFormLayout& layout, int id, const QString& label, double min, double max,
                               std::function<void(Length&)> load, std::function<void(double)> store)
{
    auto length = std::make_shared<Length>();
    length->lenbox.Attach(CLenbox::CreateControl(layout.parentWidget()));
    QWidget& control = Named(*length->lenbox.GetControl(), id);
    length->lenbox.SetLimits(min, max);
    length->lenbox.OnChanged(&control, [weak = std::weak_ptr<Length>(length)] {
        if (const std::shared_ptr<Length> l = weak.lock())
            l->edited = true;
    });
    layout.addRow(label, &control);
    lengths_.push_back(length);
    bindings_.push_back({&control, [length, load] { load(*length); },
                         [length, &control, min, max] {
                             const double inches = length->Value();
                             if (inches >= min && inches <= max)
                                 return true;
                             const int system = int(length->lenbox.GetDimensionType());
                             fw::ShowMessage(fw::StringTables::Get("VARNEX").Format(
                                                 IDS_LENGTH_RANGE, {FormatLimit(min, system), FormatLimit(max, system)}),
                                             fw::MB_OK | fw::MB_ICONEXCLAMATION);
                             control.setFocus();
                             return false;
                         },
                         [length, store] { store(length->Value()); }});
    return length->lenbox;
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

CLenbox FormBinder::AddLength(QFormLayout& layout, int id, const QString& label, CDimension& value, double min,
                              double max)
{
    return BindLength(
        layout, id, label, min, max,
        [&value](Length& length) {
            length.lenbox.SetDimensionType(value.GetUnits());
            length.Show(value.GetValue());
        },
        [&value](double inches) { value.SetValue(inches); });
}

CLenbox FormBinder::AddLength(QFormLayout& layout, int id, const QString& label, double& value, double min, double max)
{
    return BindLength(
        layout, id, label, min, max, [&value](Length& length) { length.Show(value); },
        [&value](double inches) { value = inches; });
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
                             fw::ShowMessage(fw::StringTables::Get("VARNEX").Format(
                                                 IDS_WHOLE_NUMBER_RANGE, {std::to_string(min), std::to_string(max)}),
                                             fw::MB_OK | fw::MB_ICONEXCLAMATION);
                             box.setFocus();
                             box.selectAll();
                             return false;
                         },
                         [&box, &value] { value = std::uint32_t(box.value()); }});
    return box;
}

QLineEdit& FormBinder::AddNumber(QFormLayout& layout, int id, const QString& label, double& value)
{
    auto& edit = Named(*new QLineEdit, id);
    layout.addRow(label, &edit);
    auto pending = std::make_shared<double>();
    bindings_.push_back({&edit, [&edit, &value] { edit.setText(fw::ToQString(fw::FormatGeneral(value))); },
                         [&edit, pending] {
                             const std::optional<double> read = fw::ParseDouble(fw::FromQString(edit.text()));
                             if (read && std::isfinite(*read)) {
                                 *pending = *read;
                                 return true;
                             }
                             fw::ShowMessage(fw::StringTables::Get("VARNEX").Get(IDS_NUMBER_INVALID),
                                             fw::MB_OK | fw::MB_ICONEXCLAMATION);
                             edit.setFocus();
                             edit.selectAll();
                             return false;
                         },
                         [&value, pending] { value = *pending; }});
    return edit;
}

QLineEdit& FormBinder::AddText(QFormLayout& layout, int id, const QString& label, std::string& value, int maxLength)
{
    auto& edit = Named(*new QLineEdit, id);
    if (maxLength > 0)
        edit.setMaxLength(maxLength);
    layout.addRow(label, &edit);
    bindings_.push_back({&edit, [&edit, &value] { edit.setText(fw::ToQString(value)); }, [] { return true; },
                         [&edit, &value] { value = fw::FromQString(edit.text()); }});
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
    bindings_.push_back({&box, [&box, &value] { box.setEditText(fw::ToQString(value)); }, [] { return true; },
                         [&box, &value] { value = fw::FromQString(box.currentText()); }});
    return box;
}

QCheckBox& FormBinder::AddCheck(QBoxLayout& layout, int id, const QString& label, std::uint32_t& value)
{
    auto& box = Named(*new QCheckBox(label), id);
    layout.addWidget(&box);
    bindings_.push_back({&box, [&box, &value] { box.setChecked(value != 0); }, [] { return true; },
                         [&box, &value] { value = box.isChecked() ? 1 : 0; }});
    return box;
}

QButtonGroup& FormBinder::MakeRadio(QBoxLayout& layout, const QString& title,
                                    std::initializer_list<std::pair<int, QString>> buttons)
{
    auto* box = new QGroupBox(title);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int index = 0;
    for (const auto& [id, label] : buttons) {
        auto& button = Named(*new QRadioButton(label), id);
        row->addWidget(&button);
        group->addButton(&button, index++);
    }
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
    BindRadio(
        group, [&value] { return int(value); }, [&value](int id) { value = id; });
    return group;
}

void FormBinder::Load()
{
    for (const Binding& b : bindings_)
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

