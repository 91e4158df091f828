#include "lenbox/ui/LenboxCtrl.h"

#include "lenbox/PropertyStream.h"
#include "lenbox/ui/LenboxAboutDlg.h"
#include "lenbox/ui/StockVisuals.h"

#include "fw/qt/QtText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lenbox {

namespace {

QString Q(const std::string& text)
{
    return fw::ToQString(text);
}

std::string S(const QString& text)
{
    return fw::FromQString(text);
}

} // namespace

CLenboxCtrl::CLenboxCtrl(QWidget* parent) : QLineEdit(parent)
{
    model_.SetEvents(&relay_);
    setContextMenuPolicy(Qt::NoContextMenu);   // no cut, paste or undo behind the model's back
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setMouseTracking(true);
    const LenboxStock& stock = model_.GetStock();
    resize(HimetricToPixels(stock.extentX, logicalDpiX()), HimetricToPixels(stock.extentY, logicalDpiY()));
    Sync();
}

CLenboxCtrl::~CLenboxCtrl() = default;

// --- Events from the model ----------------------------------------------------------------------

void CLenboxCtrl::EventRelay::DecimalInchValueError(double inches, const std::string& input,
                                                    const std::string& minText, const std::string& maxText)
{
    emit ctrl_.DecimalInchValueError(inches, Q(input), Q(minText), Q(maxText));
}

void CLenboxCtrl::EventRelay::Changed()
{
    emit ctrl_.Changed();
}

// --- Properties ---------------------------------------------------------------------------------

template <class Setter> bool CLenboxCtrl::Set(Setter setter)
{
    bool accepted = true;
    try {
        accepted = setter();
    } catch (const LenboxError& e) {
        accepted = false;
        emit Error(e.Number(), Q(e.Description()), e.Status(), QStringLiteral("LENBOX"), QString(), 0);
    }
    Sync();
    return accepted;
}

template <class Arg, class Value> bool CLenboxCtrl::Set(void (LenboxModel::*setter)(Arg), const Value& value)
{
    return Set([&] {
        (model_.*setter)(value);
        return true;
    });
}

bool CLenboxCtrl::SetAutoSize(bool on) { return Set(&LenboxModel::SetAutoSize, on); }
bool CLenboxCtrl::SetBackGround(int value) { return Set(&LenboxModel::SetBackGround, value); }
bool CLenboxCtrl::SetDecimalInchAppendage(const QString& text) { return Set(&LenboxModel::SetDecimalInchAppendage, S(text)); }
bool CLenboxCtrl::SetDefaultDenominator(int n) { return Set(&LenboxModel::SetDefaultDenominator, n); }
bool CLenboxCtrl::SetDimensionType(int type) { return Set(&LenboxModel::SetDimensionType, type); }
bool CLenboxCtrl::SetEnableInput(bool on) { return Set(&LenboxModel::SetEnableInput, on); }
bool CLenboxCtrl::SetFormatFeet(const QString& mask) { return Set(&LenboxModel::SetFormatFeet, S(mask)); }
bool CLenboxCtrl::SetFormatInch(const QString& mask) { return Set(&LenboxModel::SetFormatInch, S(mask)); }
bool CLenboxCtrl::SetFormatMetric(const QString& mask) { return Set(&LenboxModel::SetFormatMetric, S(mask)); }
bool CLenboxCtrl::SetInitialValue(double inches) { return Set(&LenboxModel::SetInitialValue, inches); }
bool CLenboxCtrl::SetJustifyType(int value) { return Set(&LenboxModel::SetJustifyType, value); }
bool CLenboxCtrl::SetMaxDenominator(int n) { return Set(&LenboxModel::SetMaxDenominator, n); }
bool CLenboxCtrl::SetMaxInches(double inches) { return Set(&LenboxModel::SetMaxInches, inches); }
bool CLenboxCtrl::SetMetricAppendage(const QString& text) { return Set(&LenboxModel::SetMetricAppendage, S(text)); }
bool CLenboxCtrl::SetMinInches(double inches) { return Set(&LenboxModel::SetMinInches, inches); }
bool CLenboxCtrl::SetPacked(bool on) { return Set(&LenboxModel::SetPacked, on); }
bool CLenboxCtrl::SetToolTips(bool on) { return Set(&LenboxModel::SetToolTips, on); }
bool CLenboxCtrl::SetGetFloatDecInch(float value) { return Set(&LenboxModel::SetGetFloatDecInch, value); }
bool CLenboxCtrl::SetBackColor(std::uint32_t color) { return Set(&LenboxModel::SetBackColor, color); }
bool CLenboxCtrl::SetForeColor(std::uint32_t color) { return Set(&LenboxModel::SetForeColor, color); }
bool CLenboxCtrl::SetStockFont(const LenboxFont& font) { return Set(&LenboxModel::SetFont, font); }
bool CLenboxCtrl::SetBorderStyle(int style) { return Set(&LenboxModel::SetBorderStyle, style); }
bool CLenboxCtrl::SetAppearance(int appearance) { return Set(&LenboxModel::SetAppearance, appearance); }

bool CLenboxCtrl::SetDecimalInches(double inches)
{
    return Set([&] { return model_.SetDecimalInches(inches); });
}

bool CLenboxCtrl::SetFeetInchFracString(const QString& text)
{
    return Set([&] { return model_.SetFeetInchFracString(S(text)); });
}

bool CLenboxCtrl::SetDecimalInchString(const QString& text)
{
    return Set([&] { return model_.SetDecimalInchString(S(text)); });
}

bool CLenboxCtrl::SetMetricString(const QString& text)
{
    return Set([&] { return model_.SetMetricString(S(text)); });
}

QString CLenboxCtrl::GetDecimalInchString() const { return Q(model_.GetDecimalInchString()); }
QString CLenboxCtrl::GetDecimalInchAppendage() const { return Q(model_.GetDecimalInchAppendage()); }
QString CLenboxCtrl::GetFeetInchFracString() const { return Q(model_.GetFeetInchFracString()); }
QString CLenboxCtrl::GetFormatFeet() const { return Q(model_.GetFormatFeet()); }
QString CLenboxCtrl::GetFormatInch() const { return Q(model_.GetFormatInch()); }
QString CLenboxCtrl::GetFormatMetric() const { return Q(model_.GetFormatMetric()); }
QString CLenboxCtrl::GetMetricAppendage() const { return Q(model_.GetMetricAppendage()); }
QString CLenboxCtrl::GetMetricString() const { return Q(model_.GetMetricString()); }

void CLenboxCtrl::AboutBox()
{
    CLenboxAboutDlg about(this);
    about.exec();
}

// --- Configuration and persistence --------------------------------------------------------------

std::string CLenboxCtrl::ApplyPage(const GeneralPageValues& values)
{
    std::string message = values.ApplyTo(model_);
    Sync();
    return message;
}

std::string CLenboxCtrl::ApplyPage(const SpecificsPageValues& values)
{
    std::string message = values.ApplyTo(model_);
    Sync();
    return message;
}

void CLenboxCtrl::SaveProperties(fw::Archive& ar) const
{
    LenboxProperties properties = model_.GetProperties();
    properties.stock.extentX = PixelsToHimetric(width(), logicalDpiX());
    properties.stock.extentY = PixelsToHimetric(height(), logicalDpiY());
    WriteProperties(ar, properties);
}

void CLenboxCtrl::LoadProperties(fw::Archive& ar)
{
    model_.LoadProperties(ReadProperties(ar));
    const LenboxStock& stock = model_.GetStock();
    resize(HimetricToPixels(stock.extentX, logicalDpiX()), HimetricToPixels(stock.extentY, logicalDpiY()));
    Sync();
}

// --- Display ------------------------------------------------------------------------------------

std::pair<int, int> CLenboxCtrl::Selection() const
{
    if (hasSelectedText())
        return {selectionStart(), selectionEnd()};
    return {cursorPosition(), cursorPosition()};
}

// Colours (an opaque background only while BackGround is 0), font, frame, and read-only while
// input is disabled; then the text.
void CLenboxCtrl::Sync()
{
    const LenboxStock& stock = model_.GetStock();
    QPalette pal = palette();
    pal.setColor(QPalette::Text, ToQColor(stock.foreColor, QPalette()));
    pal.setColor(QPalette::Base, model_.GetBackGround() == 0 ? ToQColor(stock.backColor, QPalette())
                                                             : QColor(Qt::transparent));
    setPalette(pal);
    setFont(ToQFont(stock.font));
    setFrame(stock.borderStyle != 0);
    setReadOnly(!model_.GetEnableInput());
    const auto [start, end] = Selection();
    Show(start, end);
}

void CLenboxCtrl::Show(int start, int end)
{
    setToolTip(model_.GetToolTips() ? Q(model_.ToolTipText()) : QString());
    const QString text = Q(model_.DisplayText(Editing()));
    if (text != this->text())
        setText(text);
    start = std::clamp(start, 0, int(text.size()));
    end = std::clamp(end, start, int(text.size()));
    if (end > start)
        setSelection(start, end - start);
    else
        setCursorPosition(start);
}

// --- Keys, mouse and focus ----------------------------------------------------------------------

void CLenboxCtrl::keyPressEvent(QKeyEvent* event)
{
    if (!model_.GetEnableInput()) {
        QLineEdit::keyPressEvent(event);   // read-only: the caret moves, nothing changes
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const auto [start, end] = Selection();
    switch (event->key()) {
    case Qt::Key_Backspace: {
        const int caret = model_.Backspace(start, end);
        Show(caret, caret);
        return;
    }
    case Qt::Key_Delete:
        model_.Delete(start, end);
        Show(start, start);
        return;
    case Qt::Key_Home: {
        const int caret = model_.Home();
        Show(caret, caret);
        return;
    }
    case Qt::Key_End:
        if (shift) {
            Show(start, model_.ActiveForm().GetEditRange().last);
        } else {
            const int caret = model_.End();
            Show(caret, caret);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (shift) {
            QLineEdit::keyPressEvent(event);   // extends the selection as a plain edit box does
        } else {
            const int caret = model_.MoveCaret(event->key() == Qt::Key_Left ? CaretKey::Left : CaretKey::Right, end);
            Show(caret, caret);
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->ignore();   // for the dialog's default and cancel buttons
        return;
    default:
        TypeText(event->text(), event->modifiers() & Qt::KeypadModifier);
    }
}

void CLenboxCtrl::TypeText(const QString& text, bool keypad)
{
    for (QChar c : text) {
        const std::string ch = S(QString(c));
        auto [start, end] = Selection();
        if (ch.size() == 1 && model_.TypeChar(ch[0], keypad, start, end))
            Show(start, end);
    }
}

void CLenboxCtrl::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    focused_ = true;
    const EditRange range = model_.FocusIn();
    if (event->reason() == Qt::MouseFocusReason)
        Show(cursorPosition(), cursorPosition());   // the click places the caret
    else
        Show(range.first, range.last);
    emit SetFocus();
}

void CLenboxCtrl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focused_ = false;
    model_.FocusOut();
    Show(0, 0);
    emit KillFocus();
}

void CLenboxCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (model_.GetEnableInput() && !hasSelectedText()) {
        const int caret = model_.ClickAt(cursorPosition());
        Show(caret, caret);
    }
}

// While the pointer is over the control without the focus, the edit text shows, with the caret
// under the pointer.
void CLenboxCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (model_.GetEnableInput() && !focused_ && hovering_) {
        const int caret = model_.ClickAt(cursorPositionAt(event->position().toPoint()));
        Show(caret, caret);
    }
    QLineEdit::mouseMoveEvent(event);
}

void CLenboxCtrl::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    hovering_ = model_.GetEnableInput();
    Show(cursorPosition(), cursorPosition());
}

void CLenboxCtrl::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    hovering_ = false;
    Show(cursorPosition(), cursorPosition());
}

} // namespace lenbox
