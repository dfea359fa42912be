#pragma once
// Ownership of libical objects: components and parsers freed when their
// owner goes, so no early return leaks a parsed calendar.

#include <libical/ical.h>

#include <memory>

namespace Ical {

struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
struct ParserFree {
    void operator()(icalparser *p) const { icalparser_free(p); }
};
struct RecurIteratorFree {
    void operator()(icalrecur_iterator *i) const { icalrecur_iterator_free(i); }
};

using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;
using ParserPtr = std::unique_ptr<icalparser, ParserFree>;
using RecurIteratorPtr = std::unique_ptr<icalrecur_iterator, RecurIteratorFree>;

} // namespace Ical
