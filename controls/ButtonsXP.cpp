#include "controls/ButtonsXP.h"

#include "controls/ButtonGlyph.h"
#include "controls/ClassicFrame.h"
#include "controls/FormLoading.h"
#include "controls/KindTable.h"
#include "controls/SystemColors.h"
#include "controls/UxTheme.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

TBitBtnXP::TBitBtnXP(QWidget *parent) : QPushButton(parent), m_glyph(std::make_unique<TButtonGlyph>())
{
    m_glyph->SetOnChange([this] { update(); });
    // Every focused button is the one Enter presses, as in dialogs.
    setAutoDefault(true);

    // Connected before anyone else can connect, so the button's own part of
    // a click (closing the window, handing its result to the dialog) comes
    // before the application's handlers.
    connect(this, &QAbstractButton::clicked, this, &TBitBtnXP::Click);
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, &TBitBtnXP::FocusMoved);

    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setEnabled(false);
    auto pressByEscape = [this] {
        if (isEnabled() && isVisible())
            click();
    };
    connect(m_escape, &QShortcut::activated, this, pressByEscape);
    // Several Cancel buttons in one window: Qt hands each Escape to one of
    // them in turn; that one is pressed.
    connect(m_escape, &QShortcut::activatedAmbiguously, this, pressByEscape);
}

TBitBtnXP::~TBitBtnXP()
{
    // QWidget's destructor moves the focus away and the application announces
    // it; by then this is no longer a TBitBtnXP, so the slot must not run.
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        disconnect(app, &QApplication::focusChanged, this, &TBitBtnXP::FocusMoved);
    // Closed whenever the service is still there to take it back, even if
    // the user switched styles off meanwhile; otherwise the handle would leak.
    if (m_theme && UxTheme::CloseThemeData)
        UxTheme::CloseThemeData(m_theme);
}

void TBitBtnXP::takeService() const
{
    // Taken when the button is first drawn or asked about its look, not
    // when it is made: a window builds its buttons before it is shown, and
    // loading the service there would hold up its appearance. The
    // reference is kept until program exit (see UxTheme.h).
    if (m_serviceTaken)
        return;
    m_serviceTaken = true;
    LoadVisualStyles();
}

bool TBitBtnXP::ensureTheme() const
{
    takeService();
    if (!m_theme && VisualStylesActive() && UxTheme::OpenThemeData)
        m_theme = UxTheme::OpenThemeData(nullptr, L"BUTTON");
    return m_theme != nullptr;
}

bool TBitBtnXP::themedNow() const
{
    // Themed only when the service can really draw: a service that lacks
    // DrawThemeBackground, or would not open the class, leaves the classic
    // look instead of an empty face.
    takeService();
    return VisualStylesActive() && UxTheme::DrawThemeBackground && ensureTheme();
}

bool TBitBtnXP::formLoading() const
{
    return FormLoading::Active(this);
}

TBitBtnXP::TBitBtnXPKind TBitBtnXP::kind() const
{
    if (m_kind != bkCustom) {
        const KindTable::KindInfo &info = KindTable::Info(m_kind);
        if (m_default != info.isDefault || m_cancel != info.isCancel || m_modalResult != info.modalResult
            || m_glyphModified)
            m_kind = bkCustom;
    }
    return m_kind;
}

void TBitBtnXP::setKind(TBitBtnXPKind k)
{
    if (k == m_kind)
        return;
    EndSwallowedClick();
    if (k != bkCustom) {
        const KindTable::KindInfo &info = KindTable::Info(k);
        setDefault(k == bkOK || k == bkYes);
        setCancel(k == bkCancel || k == bkNo);
        if (!formLoading() || text().isEmpty())
            setText(KindTable::Caption(k));
        m_modalResult = info.modalResult;
        m_glyph->SetGlyph(KindTable::Glyph(k));
        setNumGlyphs(2);
        m_glyphModified = false;
    }
    m_kind = k;
    update();
}

void TBitBtnXP::setCancel(bool cancel)
{
    m_cancel = cancel;
    m_escape->setEnabled(cancel);
}

void TBitBtnXP::setDefault(bool isDefault)
{
    m_default = isDefault;
    QPushButton::setDefault(isDefault);
    FocusMoved();
}

void TBitBtnXP::setModalResult(int result)
{
    m_modalResult = result;
}

QPixmap TBitBtnXP::glyph() const
{
    return QPixmap::fromImage(m_glyph->Glyph());
}

void TBitBtnXP::setGlyph(const QPixmap &strip)
{
    setGlyph(strip.toImage());
}

void TBitBtnXP::setGlyph(const QImage &strip)
{
    m_glyph->SetGlyph(strip);
    m_glyphModified = true;
    update();
}

int TBitBtnXP::numGlyphs() const
{
    return m_glyph->NumGlyphs();
}

void TBitBtnXP::setNumGlyphs(int n)
{
    if (n > 4)
        n = 4;
    if (n <= 0 || n == m_glyph->NumGlyphs())
        return;
    m_glyph->SetNumGlyphs(n);
    update();
}

void TBitBtnXP::setLayout(TButtonLayout layout)
{
    if (layout != m_layout) {
        m_layout = layout;
        update();
    }
}

void TBitBtnXP::setMargin(int margin)
{
    if (margin >= -1 && margin != m_margin) {
        m_margin = margin;
        update();
    }
}

void TBitBtnXP::setSpacing(int spacing)
{
    if (spacing != m_spacing) {
        m_spacing = spacing;
        update();
    }
}

void TBitBtnXP::setStyle(TButtonStyle style)
{
    if (style != m_style) {
        m_style = style;
        update();
    }
}

bool TBitBtnXP::activeLook() const
{
    QWidget *win = window();
    // Inside a dialog Qt itself tracks the button Enter presses (the focused
    // auto-default button, else the dialog's default) and repaints on change.
    if (qobject_cast<QDialog *>(win))
        return isDefault();
    QWidget *focus = win->focusWidget();
    if (focus && qobject_cast<QPushButton *>(focus))
        return focus == this;
    return m_default;
}

void TBitBtnXP::FocusMoved()
{
    const bool now = activeLook();
    if (now != m_lastActiveLook) {
        m_lastActiveLook = now;
        update();
    }
}

bool TBitBtnXP::SpecialClick()
{
    // The two special kinds look at the stored kind, not the reverting read.
    if (m_kind == bkClose) {
        QWidget *win = window();
        if (win != this) {
            win->close();
            return true;
        }
    } else if (m_kind == bkHelp) {
        for (QWidget *w = this; w; w = w->parentWidget()) {
            const int context = w->property("HelpContext").toInt();
            if (context != 0) {
                emit helpRequested(context);
                return true;
            }
        }
    }
    return false;
}

void TBitBtnXP::nextCheckState()
{
    QPushButton::nextCheckState();
    // Every way a button clicks (mouse, Space, Enter, access key, click(),
    // a screen reader's press) passes here right before Qt raises released()
    // and clicked(). A special kind does its job now and keeps those two
    // signals from the application; the block ends when the event that
    // clicked is done, or, for a click() from code, at the next turn of
    // the event loop.
    if (m_swallowing)
        return;
    QPointer<TBitBtnXP> guard(this);
    if (!SpecialClick() || !guard)
        return;
    m_swallowing = true;
    m_swallowDepth = m_eventDepth;
    m_blockedBefore = blockSignals(true);
    QMetaObject::invokeMethod(this, &TBitBtnXP::EndSwallowedClick, Qt::QueuedConnection);
}

void TBitBtnXP::EndSwallowedClick()
{
    if (!m_swallowing)
        return;
    m_swallowing = false;
    blockSignals(m_blockedBefore);
}

bool TBitBtnXP::event(QEvent *e)
{
    // Events that arrive while the click is still on its way (the repaint
    // Qt forces before raising the signals) must not end the block; only
    // the event that started the click does.
    ++m_eventDepth;
    const bool handled = QPushButton::event(e);
    if (m_swallowing && m_swallowDepth == m_eventDepth)
        EndSwallowedClick();
    --m_eventDepth;
    return handled;
}

void TBitBtnXP::keyPressEvent(QKeyEvent *e)
{
    // Enter presses a button only while no Shift, Ctrl or Alt is held (the
    // keypad's Enter carries the keypad flag and counts as plain).
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        e->ignore();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void TBitBtnXP::Click()
{
    // The ordinary click: the result goes to the dialog, which closes once
    // the click's handlers have run, unless one of them changed its result.
    if (m_modalResult != 0) {
        if (auto *dialog = qobject_cast<QDialog *>(window())) {
            const int result = m_modalResult;
            dialog->setResult(result);
            QPointer<QDialog> guard(dialog);
            QMetaObject::invokeMethod(
                dialog,
                [guard, result] {
                    if (guard && guard->isVisible() && guard->result() == result)
                        guard->done(result);
                },
                Qt::QueuedConnection);
        }
    }
}

void TBitBtnXP::showEvent(QShowEvent *event)
{
    // The first paint then finds the initial state's image ready.
    m_glyph->StateImage(isEnabled() ? gsUp : gsDisabled);
    m_lastActiveLook = activeLook();
    QPushButton::showEvent(event);
}

QSize TBitBtnXP::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    if (m_glyph->Glyph().isNull())
        return hint;
    const QSize cell = m_glyph->CellSize();
    const int gap = text().isEmpty() ? 0 : qMax(m_spacing, 4);
    if (m_layout == blGlyphLeft || m_layout == blGlyphRight) {
        hint.rwidth() += cell.width() + gap;
        hint.setHeight(qMax(hint.height(), cell.height() + 8));
    } else {
        hint.rheight() += cell.height() + gap;
        hint.setWidth(qMax(hint.width(), cell.width() + 12));
    }
    return hint;
}

void TBitBtnXP::drawThemed(QPainter &painter, const QRect &r, int state) const
{
    const kxtheme::RECT rc{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    UxTheme::DrawThemeBackground(m_theme, kxtheme::HdcFromPainter(&painter), kxtheme::BP_PUSHBUTTON, state, &rc,
                                 nullptr);
}

void TBitBtnXP::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect client = rect();
    QRect r = client;
    const bool themed = themedNow();
    if (themed)
        p.fillRect(r, palette().color(QPalette::Button));

    const bool pressed = isDown();
    const bool focused = hasFocus();
    const bool active = activeLook();
    const TGlyphState state = !isEnabled() ? gsDisabled : pressed ? gsDown : gsUp;
    const int frameFlags = (pressed ? ClassicFrame::Pushed : 0) | (!isEnabled() ? ClassicFrame::Inactive : 0);

    if ((active || focused) && !themed) {
        p.setPen(SystemColors::WindowFrame());
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    if (pressed) {
        if (themed) {
            drawThemed(p, r, kxtheme::PBS_PRESSED);
        } else {
            p.setPen(SystemColors::ButtonShadow());
            p.setBrush(SystemColors::ButtonFace());
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        r.adjust(1, 1, -1, -1);
    } else if (!themed) {
        ClassicFrame::DrawButtonFrame(p, r, frameFlags);
    } else if (state == gsDisabled) {
        drawThemed(p, r, kxtheme::PBS_DISABLED);
    } else if (active || focused) {
        drawThemed(p, r, kxtheme::PBS_NORMAL);
    } else {
        drawThemed(p, r, kxtheme::PBS_PLAIN);
    }
    if (active)
        r = client.adjusted(1, 1, -1, -1);

    p.setFont(font());
    p.setPen(palette().color(QPalette::ButtonText));
    p.setBrush(Qt::NoBrush);
    if (pressed)
        r.translate(1, 1);
    const int textFlags = layoutDirection() == Qt::RightToLeft ? tfRtlReading : 0;
    m_glyph->PaintFace(p, r, text(), m_layout, m_margin, m_spacing, state, textFlags);

    if (active && focused)
        ClassicFrame::DrawFocusRect(p, client.adjusted(4, 4, -4, -4));
}
