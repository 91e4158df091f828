#pragma once
// The program's help shown in a window of its own: a text browser over the shipped HTML file, so
// that help works where no web browser is installed. Links within the help are followed in the
// window; links to other places go to the desktop.

#include <QTextBrowser>

#include <filesystem>

class CHelpWindow : public QTextBrowser {
public:
    static constexpr const char* kTitle = "Varnex Help";

    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the file from its top.
    void ShowFile(const std::filesystem::path& file);
};
