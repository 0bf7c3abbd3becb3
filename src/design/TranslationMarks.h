// Marks a text of this layer that a person reads (a label, a unit, a
// message) for translation: lupdate finds it under its context, the text
// itself is unchanged, and the Qt layer that shows it translates it under
// the same context (the key table's texts: keyTableText() of files/Text.h).
// Qt's own definition is the same, so either may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
