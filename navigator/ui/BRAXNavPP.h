#pragma once
// The navigator's property page: the six display switches and the seven label texts of one or
// more navigator controls. It opens with the values of the controls (the last one's stand), any
// change makes it dirty, and Apply writes the same values to every control. The folders and
// extensions are set by the host and are not on the page.

#include <QDialog>
#include <QWidget>

#include <map>
#include <vector>

class CBRAXNav;
class QCheckBox;
class QLineEdit;
class QPushButton;

class CBRAXNavPP : public QWidget {
    Q_OBJECT
public:
    // Control ids of the page.
    enum Id {
        kShowJobs = 201, kShowShapes = 202, kShowTools = 203, kShowMachines = 204, kShowMults = 205,
        kShowParts = 206, kJobLabel = 207, kGroupLabel = 208, kPartLabel = 209, kMultLabel = 210,
        kShapeLabel = 211, kToolLabel = 212, kMachineLabel = 213,
    };

    explicit CBRAXNavPP(QWidget* parent = nullptr);

    // The controls the page edits; their values fill the page, which is then clean.
    void SetObjects(std::vector<CBRAXNav*> objects);
    void Apply();
    bool IsDirty() const { return dirty_; }

    QCheckBox* Check(Id id) const;
    QLineEdit* Edit(Id id) const;

    // "BRAXNav Properties".
    static QString Title();

Q_SIGNALS:
    void dirtyChanged(bool dirty);

private:
    void SetDirty(bool dirty);

    std::vector<CBRAXNav*> objects_;
    std::map<int, QCheckBox*> checks_;
    std::map<int, QLineEdit*> edits_;
    bool dirty_ = false;
};

// The property frame around the page: OK applies and closes, Cancel closes, Apply applies and
// is enabled while the page is dirty.
class CBRAXNavPropertyFrame : public QDialog {
public:
    explicit CBRAXNavPropertyFrame(std::vector<CBRAXNav*> objects, QWidget* parent = nullptr);
    CBRAXNavPP& Page() { return *page_; }
    QPushButton& ApplyButton() { return *apply_; }

    void accept() override;

private:
    CBRAXNavPP* page_;
    QPushButton* apply_;
};
