#pragma once

#include <cstring>
#include <type_traits>
#include <vector>

namespace orbela {

// What a picture was last completely drawn from, kept as the bytes of a
// plain record of its inputs. A picture whose inputs equal those of its last
// drawing would come out the same and need not be drawn again. An empty
// state means the picture must be drawn.
using Bildstand = std::vector<unsigned char>;

template <class Inhalt>
bool schon_gezeichnet(const Bildstand& stand, const Inhalt& inhalt)
{
    // Equal bytes mean equal inputs only without padding bytes.
    static_assert(std::has_unique_object_representations_v<Inhalt>);
    return stand.size() == sizeof(Inhalt) && std::memcmp(stand.data(), &inhalt, sizeof(Inhalt)) == 0;
}

template <class Inhalt>
void als_gezeichnet_merken(Bildstand& stand, const Inhalt& inhalt)
{
    static_assert(std::has_unique_object_representations_v<Inhalt>);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&inhalt);
    stand.assign(bytes, bytes + sizeof(Inhalt));
}

} // namespace orbela
