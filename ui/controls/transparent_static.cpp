#include "ui/controls/transparent_static.h"

namespace qmb {

CTransparentStatic::CTransparentStatic(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setAlignment(Qt::AlignCenter);
}

}  // namespace qmb
