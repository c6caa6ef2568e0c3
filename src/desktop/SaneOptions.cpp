#include "desktop/SaneOptions.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Resolutions a user expects to choose from, where the device's range allows them.
constexpr int UsualResolutions[] = {50, 75, 100, 150, 200, 300, 400, 600, 1200, 2400};

bool Named(const SANE_Option_Descriptor* option, const char* name) {
    return option->name != nullptr && std::strcmp(option->name, name) == 0 &&
           SANE_OPTION_IS_ACTIVE(option->cap) && SANE_OPTION_IS_SETTABLE(option->cap);
}

} // namespace

SaneOptions::SaneOptions(SANE_Handle handle) : m_handle(handle) {
    SANE_Int count = 0;
    if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) !=
        SANE_STATUS_GOOD) {
        return;
    }
    for (int index = 1; index < count; ++index) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle, index);
        if (option == nullptr) {
            continue;
        }
        if (Named(option, SANE_NAME_SCAN_RESOLUTION) &&
            (option->type == SANE_TYPE_INT || option->type == SANE_TYPE_FIXED) &&
            option->size == static_cast<SANE_Int>(sizeof(SANE_Word))) {
            const bool fixed = option->type == SANE_TYPE_FIXED;
            const auto dots = [fixed](SANE_Word word) {
                return fixed ? static_cast<int>(std::lround(SANE_UNFIX(word))) : word;
            };
            SANE_Word value = 0;
            if (sane_control_option(handle, index, SANE_ACTION_GET_VALUE, &value, nullptr) !=
                SANE_STATUS_GOOD) {
                continue;
            }
            m_resolutionIndex = index;
            m_resolutionFixed = fixed;
            m_resolution = dots(value);
            if (option->constraint_type == SANE_CONSTRAINT_RANGE) {
                const SANE_Range* range = option->constraint.range;
                for (const int usual : UsualResolutions) {
                    if (usual >= dots(range->min) && usual <= dots(range->max)) {
                        m_resolutions.append(usual);
                    }
                }
            } else if (option->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
                const SANE_Word* list = option->constraint.word_list;
                for (int k = 1; k <= list[0]; ++k) {
                    m_resolutions.append(dots(list[k]));
                }
            }
            if (!m_resolutions.contains(m_resolution)) {
                m_resolutions.append(m_resolution);
            }
            std::sort(m_resolutions.begin(), m_resolutions.end());
        } else if (Named(option, SANE_NAME_SCAN_MODE) && option->type == SANE_TYPE_STRING &&
                   option->constraint_type == SANE_CONSTRAINT_STRING_LIST && option->size > 0) {
            std::vector<char> value(static_cast<size_t>(option->size) + 1, '\0');
            if (sane_control_option(handle, index, SANE_ACTION_GET_VALUE, value.data(), nullptr) !=
                SANE_STATUS_GOOD) {
                continue;
            }
            m_modeIndex = index;
            m_modeSize = option->size;
            m_mode = QString::fromUtf8(value.data());
            for (const SANE_String_Const* mode = option->constraint.string_list; *mode != nullptr;
                 ++mode) {
                m_modes.append(QString::fromUtf8(*mode));
            }
        }
    }
}

ScanSettingsRequest SaneOptions::Request(const QString& device) const {
    return {device, m_resolutions, m_resolution, m_modes, m_mode};
}

void SaneOptions::Apply(const ScanSettings& settings) const {
    // The resolution first: some devices refuse it once another mode has been set (SANE's
    // test device among them), and a mode never undoes it.
    if (m_resolutionIndex > 0 && settings.resolution > 0) {
        SANE_Word value = m_resolutionFixed ? SANE_FIX(settings.resolution) : settings.resolution;
        sane_control_option(m_handle, m_resolutionIndex, SANE_ACTION_SET_VALUE, &value, nullptr);
    }
    if (m_modeIndex > 0 && m_modes.contains(settings.mode)) {
        const QByteArray utf8 = settings.mode.toUtf8();
        std::vector<char> value(static_cast<size_t>(std::max<int>(m_modeSize, utf8.size() + 1)),
                                '\0');
        std::memcpy(value.data(), utf8.constData(), static_cast<size_t>(utf8.size()));
        sane_control_option(m_handle, m_modeIndex, SANE_ACTION_SET_VALUE, value.data(), nullptr);
    }
}
