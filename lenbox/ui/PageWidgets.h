#pragma once
// Small builders shared by the control's property pages.

#include <QString>
#include <initializer_list>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace lenbox {

// An edit named after the property it shows, holding its text.
QLineEdit* PageEdit(QWidget* parent, const char* property, const std::string& text);
// A group of radio buttons, one per label, with ids 0, 1, ...; the one with `checked` is on.
QGroupBox* RadioGroup(QWidget* parent, const QString& title, const char* property,
                      std::initializer_list<QString> labels, int checked, QButtonGroup*& group);
QString PageText(unsigned id);   // from the control's string table
// Shows a page's message; the page stays open.
void ShowPageMessage(const std::string& message);

} // namespace lenbox
