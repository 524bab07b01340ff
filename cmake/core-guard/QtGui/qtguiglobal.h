// Placed before Qt's own headers on the core library's include path: every
// Qt GUI header of Qt includes this one first, so core code that includes one
// fails to build here instead of linking a display into the core.
#error "core code must not include a Qt GUI header: it links QtCore and PCRE2 only"
