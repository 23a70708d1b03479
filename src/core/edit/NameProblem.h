#pragma once

#include <QString>

namespace quindaro2 {

// Why `name` cannot be stored as a name of the edition — too long, or a
// character without a code — so that an edit never ends in a name the Save
// would cut; empty when it can be stored.
QString NameProblem(int edition, const QString& name);

// The characters a name of the edition may use, each once, in code order.
QString UsableCharacters(int edition);

} // namespace quindaro2
