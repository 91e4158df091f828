#pragma once
// "Hand Mult Information": the header of the mult being built by hand (job, group, mark,
// sequence, stock length, drop, kerf) and, per face of its stock shape, the machine's tool
// stations near, far and on all sides beside how many of them the tools of the parts on the mult
// take. A used count above its stations, and a drop below 0, show in red.

#include "fw/core/Document.h"
#include "machmult/FaceStations.h"
#include "model/ui/Lenbox.h"

#include <QWidget>

#include <array>
#include <vector>

class CMultDoc;
class QLabel;

namespace machui {

class CHandMultView : public QWidget, public fw::View {
    Q_OBJECT
public:
    enum : int {
        IDC_JOB = 1000, IDC_GROUP = 1001, IDC_MARK = 1002, IDC_SEQUENCE = 1004, IDC_LENGTH = 1089, IDC_DROP = 1090,
        IDC_KERF = 1006, IDC_FACE_NAME = 1165,   // 1165 to 1168
    };
    // The ids of a row's counts (0-based row): available near, far, all, then used near, far, all.
    static std::array<int, 6> CountIds(int row);

    explicit CHandMultView(CMultDoc& doc, QWidget* parent = nullptr);
    ~CHandMultView() override;

    CMultDoc* GetMultDoc() const;
    const std::vector<FaceStations>& Rows() const { return rows_; }
    // Whether a control shows its text in red.
    bool IsRed(int controlId) const;

    void OnInitialUpdate() override;
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

private:
    void ShowValues();
    static void SetRed(QWidget& control, bool red);

    std::vector<FaceStations> rows_;
    QLabel* job_;
    QLabel* group_;
    QLabel* mark_;
    QLabel* sequence_;
    CLenbox length_;
    CLenbox drop_;
    CLenbox kerf_;
    std::array<QLabel*, FaceStations::kMaxRows> names_{};
    std::array<std::array<QLabel*, 6>, FaceStations::kMaxRows> counts_{};
};

} // namespace machui
