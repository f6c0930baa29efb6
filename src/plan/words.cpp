#include "plan/words.h"

namespace brisanel::plan {

const KindWords& wordsOf(EventKind kind) {
    for (const KindWords& words : kEventKinds) {
        if (words.kind == kind) return words;
    }
    return kEventKinds.front();  // every kind is listed
}

const PolicyWords& wordsOf(Policy policy) {
    return policy == Policy::KeepEndMonth ? kPolicies[1] : kPolicies[0];
}

const PolicyWords* policyNamed(std::string_view word) {
    for (const PolicyWords& words : kPolicies) {
        if (words.word == word) return &words;
    }
    return nullptr;
}

}  // namespace brisanel::plan
