#include "controls/FormLoading.h"

#include <QVariant>

namespace {
// A dynamic property rather than a registry, so the mark dies with the window.
constexpr const char Mark[] = "_kalvix_form_loading";
} // namespace

FormLoading::FormLoading(QWidget *window) : window_(window)
{
    if (window) {
        previous_ = window->property(Mark).toBool();
        window->setProperty(Mark, true);
    }
}

FormLoading::~FormLoading()
{
    if (window_)
        window_->setProperty(Mark, previous_ ? QVariant(true) : QVariant());
}

bool FormLoading::Active(const QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (w->property(Mark).toBool())
            return true;
    return false;
}
