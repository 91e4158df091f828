#pragma once
// The pages of the spec dialogs' Edit Units sheet: one page per unit, titled with the unit's
// name. A page keeps its own copy of the unit's values: attaching copies them in (each axis as
// far as its current type uses it), the fields and pop-ups edit the copy, and only the sheet's
// OK writes it back into the unit. "Extended Info" opens the valve or servo pop-up of an axis's
// current type; switching the type keeps the values where they are.

#include "model/ui/FormBinder.h"
#include "model/MachineUnit.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QBoxLayout;
class QFormLayout;
class QPushButton;
class QVBoxLayout;

namespace machui {

class CMachineUnitPage : public QWidget {
    Q_OBJECT
public:
    ~CMachineUnitPage() override;

    // The tab title: the unit's name.
    void SetTitle(const std::string& name);
    const std::string& GetTitle() const { return title_; }

    // Attaches the unit (not owned) and copies its values into the page.
    void SetUnit(CMachineUnit& unit);
    CMachineUnit* GetUnit() const { return unit_; }
    // The page's copy of the unit's values.
    const CMachineUnit& GetValues() const { return *values_; }

    // Reads the fields into the page's copy; false, with the message and the focus on the field,
    // when one is out of range.
    bool ReadFields();
    // The sheet's OK: the page's copy goes into the unit.
    void OnOK();

protected:
    CMachineUnitPage(std::unique_ptr<CMachineUnit> values, const QString& caption);

    CMachineUnit& Values() { return *values_; }
    // After the values were shown.
    virtual void OnValuesLoaded() {}

    // A titled box for check boxes or buttons.
    QBoxLayout& AddGroup(const QString& title);
    // A button that reads the fields and, when they are good, runs the action.
    QPushButton& AddButton(int id, const QString& label, std::function<void()> action);
    // The pop-up of the axis's type over the page's copy of it.
    void EditAxis(ExtendedBlock& axis, std::uint32_t type);
    void EditServo(std::array<double, 6>& values);

    FormBinder binder_;
    QFormLayout* fields_;
    QBoxLayout* groups_;   // boxes of radio buttons and check boxes

private:
    QBoxLayout* buttons_;
    std::unique_ptr<CMachineUnit> values_;
    CMachineUnit* unit_ = nullptr;
    std::string title_;
};

template <class Unit> class CUnitPageOf : public CMachineUnitPage {
protected:
    explicit CUnitPageOf(const QString& caption) : CMachineUnitPage(std::make_unique<Unit>(), caption) {}
    Unit& V() { return static_cast<Unit&>(Values()); }
};

// Form 191 and 193 "Length Information": the unit's one servo axis.
class CAngleLengthPage : public CUnitPageOf<CAngleLengthUnit> {
    Q_OBJECT
public:
    CAngleLengthPage();
};

class CBeamLengthPage : public CUnitPageOf<CBeamLengthUnit> {
    Q_OBJECT
public:
    CBeamLengthPage();
};

// Form 187; "Frame Info" only while the frame type is Valve.
class CStencilPage : public CUnitPageOf<CStencilUnit> {
    Q_OBJECT
public:
    CStencilPage();

protected:
    void OnValuesLoaded() override;

private:
    QPushButton* frameInfo_;
};

// Form 185.
class CShearPage : public CUnitPageOf<CShearUnit> {
    Q_OBJECT
public:
    CShearPage();
};

// Form 183.
class CGagPage : public CUnitPageOf<CGagUnit> {
    Q_OBJECT
public:
    CGagPage();
};

// Form 190; "Extended Info" is always the servo pop-up.
class CTorchPage : public CUnitPageOf<CTorchUnit> {
    Q_OBJECT
public:
    CTorchPage();
};

// Form 194.
class CBeamFlangePage : public CUnitPageOf<CFlangeFrameUnit> {
    Q_OBJECT
public:
    CBeamFlangePage();
};

// Form 195.
class CSawPage : public CUnitPageOf<CSawUnit> {
    Q_OBJECT
public:
    CSawPage();
};

// Form 197: position, spread and linear axes, each with its own type.
class CDrillUnitPage : public CUnitPageOf<CDrillUnit> {
    Q_OBJECT
public:
    CDrillUnitPage();
};

// The page of a unit type's class (0-8); none for any other type.
std::unique_ptr<CMachineUnitPage> CreateUnitPage(int unitType);

} // namespace machui
