#include "files/SaveConverted.h"

#include "design/UnitSystemRules.h"
#include "files/DesignFile.h"

#include <QDir>

namespace yq {

ConvertedSave saveConvertedDesign(const DesignRecord& converted, const QString& folder) {
    const UnitSystem system = converted.unitSystem();
    ConvertedSave out;
    out.path = QDir(folder).filePath(designFileName(converted, system));
    // The flag its own window holds when it saves a design of its system.
    const MetricFlag flag(system == UnitSystem::Metric ? 1 : 0);
    const std::string_view text = flag.fileText();
    out.written = writeDesignFile(out.path, converted, QString::fromLatin1(text.data(), qsizetype(text.size())));
    return out;
}

}  // namespace yq
