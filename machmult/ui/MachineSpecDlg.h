#pragma once
// The spec dialogs of angle lines, beam lines and drill lines: how many frames or drill units
// each face has, the saw, torches, stenciler and length type. From the counts the dialog builds
// the machine's units, one per frame, drill unit, shear, torch, saw, stencil and length axis,
// with fixed names ("Web", or "Web - 1", "Web - 2" ... when there are several); "EDIT UNITS"
// shows each on its own page. The dialog works on a copy of the units and changes the spec
// data only at OK. A unit keeps its settings while a unit of its name and class is still called
// for.

#include "model/ui/FormBinder.h"
#include "model/MachineSpecData.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QBoxLayout;
class QFormLayout;

namespace machui {

class CMachineSpecDlg : public QDialog {
    Q_OBJECT
public:
    ~CMachineSpecDlg() override;

    // Attaches the spec data (not owned): its fields are shown and its units copied into the
    // working list (units of no known type are left out).
    void SetSpecData(CMachineSpecData* spec);
    const CUnitList& GetWorkingUnits() const { return working_; }

    // EDIT UNITS: the sheet of the units the counts call for; the working list then holds
    // exactly those, as the sheet left them.
    void OnEditUnits();
    // OK: fields and units go into the spec data. The dialog stays open when a count is out of
    // range.
    void accept() override;

protected:
    struct UnitSlot {
        std::string name;
        int unitType;
        std::uint32_t face;   // 0: the unit's own default
    };

    CMachineSpecDlg(std::unique_ptr<CMachineSpecData> values, const QString& caption, QWidget* parent);

    // The units the current counts call for, in order.
    virtual std::vector<UnitSlot> CalledUnits() const = 0;
    // count units of a type named after base: none, base alone, or base - 1 ... base - count.
    static void AddUnits(std::vector<UnitSlot>& called, const std::string& base, std::uint32_t count, int unitType,
                         std::uint32_t face = 0);

    // A count with its up-down control (0 to 100) and its check.
    void AddCount(int id, const QString& label, std::uint32_t& value, int max);
    // The "Length Type" buttons and the check boxes.
    void AddLengthType(std::uint32_t& value);
    void AddOption(int id, const QString& label, std::uint32_t& value);
    // Lays out OK, Cancel and EDIT UNITS and shows the fields.
    void Finish();

    // The dialog's copy of the kind's fields.
    template <class Spec> Spec& ValuesAs() { return static_cast<Spec&>(*values_); }
    template <class Spec> const Spec& ValuesAs() const { return static_cast<const Spec&>(*values_); }

    FormBinder binder_;

private:
    // A unit of the slot's name and class taken out of the list, or a new one.
    static std::unique_ptr<CMachineUnit> TakeOrMake(const UnitSlot& slot, CUnitList& from);
    void BuildUnits();

    std::unique_ptr<CMachineSpecData> values_;   // the dialog's copy of the kind's fields
    CMachineSpecData* spec_ = nullptr;
    CUnitList working_;
    QFormLayout* counts_;
    QBoxLayout* options_;
};

// Form 180 "Angle Line Description": counts 0 to 10.
class CAngleLineDlg : public CMachineSpecDlg {
    Q_OBJECT
public:
    explicit CAngleLineDlg(QWidget* parent = nullptr);

protected:
    std::vector<UnitSlot> CalledUnits() const override;
};

// Form 192: counts 0 to 100.
class CBeamLineDlg : public CMachineSpecDlg {
    Q_OBJECT
public:
    explicit CBeamLineDlg(QWidget* parent = nullptr);

protected:
    std::vector<UnitSlot> CalledUnits() const override;
};

// Form 196 "Drill Line Description": counts 0 to 100.
class CDrillDlg : public CMachineSpecDlg {
    Q_OBJECT
public:
    explicit CDrillDlg(QWidget* parent = nullptr);

protected:
    std::vector<UnitSlot> CalledUnits() const override;
};

// The spec dialog of a machine kind (angle line, beam line, drill line); none for other kinds.
std::unique_ptr<CMachineSpecDlg> CreateSpecDialog(int kind, QWidget* parent = nullptr);

} // namespace machui
