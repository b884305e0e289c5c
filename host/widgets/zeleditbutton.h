#pragma once

#include <QPushButton>

#include "host/hostexport.h"

// The push button that shows an editable value; pressing it opens an editor (keypad or keyboard).
class ZELBASE_EXPORT ZelEditButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ZelEditButton(QWidget *parent = nullptr);
};
