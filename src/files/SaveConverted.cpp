#include "files/SaveConverted.h"

#include "files/DesignFile.h"

#include <QDir>

namespace yq {

ConvertedSave saveConvertedDesign(const DesignRecord& converted, const QString& folder) {
    const UnitSystem system = converted.unitSystem();
    ConvertedSave out;
    out.path = QDir(folder).filePath(designFileName(converted, system));
    out.written = writeDesignFile(out.path, converted, metricFlagText(system == UnitSystem::Metric ? 1 : 0));
    return out;
}

}  // namespace yq
