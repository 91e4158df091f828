#pragma once
// The untitled property sheet of Edit Units: one tab per unit page. OK reads every page (a
// page whose fields are out of range becomes the current one and the sheet stays open), then
// writes every page back into its unit; Cancel writes nothing.

#include <QDialog>

#include <memory>
#include <vector>

class QTabWidget;

namespace machui {

class CMachineUnitPage;

class CUnitSheet : public QDialog {
    Q_OBJECT
public:
    explicit CUnitSheet(QWidget* parent = nullptr);
    ~CUnitSheet() override;

    // Adds a page as the last tab, titled with its title.
    void AddPage(std::unique_ptr<CMachineUnitPage> page);
    const std::vector<CMachineUnitPage*>& GetPages() const { return pages_; }
    QTabWidget& Tabs() { return *tabs_; }

    void accept() override;

private:
    QTabWidget* tabs_;
    std::vector<CMachineUnitPage*> pages_;   // owned by the tabs
};

} // namespace machui
