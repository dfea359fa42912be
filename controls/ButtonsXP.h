#pragma once
// TBitBtnXP: the program's command button. A push button with a glyph beside
// its caption and the standard dialog roles (OK, Cancel, Help, ...), painted
// completely by itself: in the desktop's visual style when the visual-style
// service is loaded and active, in the classic three-dimensional look
// otherwise.
//
// Use:
//     auto *ok = new TBitBtnXP(parent);
//     ok->setKind(TBitBtnXP::bkOK);         // caption, glyph, result, default
//     auto *add = new TBitBtnXP(parent);
//     add->setText(tr("&Add"));
//     add->setGlyph(QPixmap(":/pictures/add.bmp")); // 36 x 18: two cells
//
// While its window builds its controls inside a FormLoading scope (see
// FormLoading.h), a caption set before the kind survives setKind(), as a
// window's definition gives both. Any other setKind() replaces the caption
// with the kind's own, whether the button was shown yet or not.
//
// bkClose and bkHelp buttons do their own job instead of the ordinary click
// (closing the window, asking for help): clicked() is not raised then, so
// the application's click handlers do not run.

#include "controls/GlyphTypes.h"
#include "controls/ModalResults.h"

#include <QPixmap>
#include <QPushButton>

#include <memory>

#include "platform/visualstyle/VisualStyleApi.h"

class QShortcut;
class TButtonGlyph;

class TBitBtnXP : public QPushButton, public ModalResults {
    Q_OBJECT
    // Declared in the order a form sets them: the caption (QAbstractButton's
    // "text") comes before Kind, and Kind before the values it overwrites.
    // Qt 6 cannot make storing depend on the kind (moc accepts only constant
    // STORED values). Storing Cancel, Default, Glyph, ModalResult and
    // NumGlyphs of a standard button is harmless: Kind, set after them,
    // puts the kind's values back. Caption is another name for "text",
    // which the form already holds, so it is not stored twice.
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(QString Caption READ text WRITE setCaption STORED false)
    Q_PROPERTY(bool Default READ defaultRole WRITE setDefault)
    Q_PROPERTY(QPixmap Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(TBitBtnXPKind Kind READ kind WRITE setKind)
    Q_PROPERTY(GlyphTypes::TButtonLayout Layout READ glyphLayout WRITE setLayout)
    Q_PROPERTY(int Margin READ margin WRITE setMargin)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(TButtonStyle Style READ buttonStyle WRITE setStyle)

public:
    enum TBitBtnXPKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
    Q_ENUM(TBitBtnXPKind)
    enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
    Q_ENUM(TButtonStyle)
    // The modal result a click hands to its dialog is a ModalResults
    // number (TBitBtnXP::mrOk, ...), inherited from there.

    explicit TBitBtnXP(QWidget *parent = nullptr);
    ~TBitBtnXP() override;

    // The kind; reading it turns a standard button whose Default, Cancel,
    // ModalResult or glyph was changed into bkCustom for good.
    TBitBtnXPKind kind() const;
    void setKind(TBitBtnXPKind kind);

    bool cancel() const { return m_cancel; }
    void setCancel(bool cancel); // Escape presses the button
    // The default role: the button Enter presses when no other button has
    // the focus. Hides QPushButton::setDefault, which it also calls; Qt's
    // isDefault() tells which button Enter presses right now.
    bool defaultRole() const { return m_default; }
    void setDefault(bool isDefault);
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    QPixmap glyph() const;
    void setGlyph(const QPixmap &strip);
    void setGlyph(const QImage &strip);
    int numGlyphs() const;
    void setNumGlyphs(int n); // above 4 counts as 4, 0 is ignored

    TButtonLayout glyphLayout() const { return m_layout; }
    using QWidget::setLayout;
    void setLayout(TButtonLayout layout);
    int margin() const { return m_margin; }
    void setMargin(int margin); // below -1 is ignored; -1 centres the face
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing); // -1: automatic
    TButtonStyle buttonStyle() const { return m_style; }
    using QWidget::setStyle;
    void setStyle(TButtonStyle style); // kept for forms; does not change drawing

    // True while this is the button Enter would press: the focused button,
    // or, when no button has the focus, the default one.
    bool activeLook() const;
    // Whether the next paint takes the themed branch.
    bool themedNow() const;

    TButtonGlyph &glyphPainter() { return *m_glyph; }
    QSize sizeHint() const override;

signals:
    // A bkHelp button was clicked: context is the first non-zero
    // "HelpContext" property found from the button up its parents.
    void helpRequested(int context);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    // Qt calls this right before every click's released() and clicked().
    void nextCheckState() override;

private:
    void Click();
    bool SpecialClick();
    void EndSwallowedClick();
    void FocusMoved();
    bool formLoading() const;
    void takeService() const;
    bool ensureTheme() const;
    void drawThemed(QPainter &painter, const QRect &r, int state) const;
    std::unique_ptr<TButtonGlyph> m_glyph;
    mutable kxtheme::HTHEME m_theme = nullptr;
    mutable bool m_serviceTaken = false;
    QShortcut *m_escape = nullptr; // child object
    mutable TBitBtnXPKind m_kind = bkCustom;
    TButtonStyle m_style = bsAutoDetect;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
    int m_margin = -1;
    int m_modalResult = 0;
    bool m_default = false;
    bool m_cancel = false;
    bool m_glyphModified = false;
    bool m_lastActiveLook = false;
    bool m_swallowing = false; // a special kind's click is being kept from the handlers
    bool m_blockedBefore = false;
    int m_eventDepth = 0;   // nesting of event() calls on this button
    int m_swallowDepth = 0; // the depth at which the kept click started
};
