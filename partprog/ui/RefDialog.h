#pragma once
// "Custom Reference Plane": the face views' entry of a reference plane. Four lengths in the
// part's measuring system, the signs of X and U, and the side the pattern lies on. The caller
// fills it from a plane and, on OK, writes it back to the plane.

#include "model/ui/Lenbox.h"

#include <QDialog>

#include <array>

class CRefPlane;
class RadioGroup;

class CRefDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 146;
    static constexpr int IDC_START_X = 1064;
    static constexpr int IDC_START_U = 1065;
    static constexpr int IDC_RISE = 1066;
    static constexpr int IDC_RUN = 1067;
    static constexpr int IDC_X_POSITIVE = 1068;
    static constexpr int IDC_X_NEGATIVE = 1069;
    static constexpr int IDC_U_POSITIVE = 1070;
    static constexpr int IDC_U_NEGATIVE = 1071;
    static constexpr int IDC_ABOVE = 1072;
    static constexpr int IDC_BELOW = 1073;
    static constexpr int IDC_CENTER = 1074;

    enum Length { startX, startU, rise, run, lengthCount };

    // Radio indexes are -1 while no button of the group is chosen.
    struct Values {
        double startX = 0.0;   // inches
        double startU = 0.0;
        double rise = 0.0;
        double run = 0.0;
        int xDirection = -1;   // 0 positive, 1 negative
        int uDirection = -1;
        int patternType = -1;   // 0 above, 1 below, 2 centred
        int measuringSystem = 0;   // the DimensionType of the length controls
    };

    explicit CRefDialog(QWidget* parent = nullptr);

    Values& GetValues() { return values_; }
    const Values& GetValues() const { return values_; }
    // The plane's lengths, its signs ('-' 1, any other 0) and its type index, shown in that
    // measuring system.
    void FillFrom(const CRefPlane& plane, int measuringSystem);
    // Stores the values in the plane: a direction 1 is '-', any other '+'; a type 1 'B', 2 'C',
    // any other 'A'.
    void WriteTo(CRefPlane& plane) const;

    CLenbox& GetLenbox(Length length) { return lenboxes_[length]; }
    RadioGroup& GetXDirectionGroup() const { return *xDirection_; }
    RadioGroup& GetUDirectionGroup() const { return *uDirection_; }
    RadioGroup& GetPatternTypeGroup() const { return *patternType_; }

    // The length controls show the values in the measuring system.
    void open() override;
    int exec() override;
    // The values from the controls.
    void accept() override;

signals:
    // Posted with the control's id when a length control loses the focus.
    void FieldChanged(int id);

private:
    void InitDialog();

    Values values_;
    std::array<CLenbox, lengthCount> lenboxes_;
    RadioGroup* xDirection_;
    RadioGroup* uDirection_;
    RadioGroup* patternType_;
};
