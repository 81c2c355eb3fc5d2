#include "rb/PropertyList.h"

#include "rb/Designable.h"
#include "rb/PropertyTable.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rb {
namespace {

using Type = PropertyTable::Type;
using Value = PropertyTable::Value;

// Reads one list against its owner's table; every fault names the owner and
// the property.
class ListReader {
public:
    ListReader(std::string_view list, const PropertyTable& table, std::string owner)
        : list_(list), table_(table), owner_(std::move(owner))
    {
    }

    std::vector<std::pair<const PropertyTable::Entry*, Value>> ReadAll()
    {
        std::vector<std::pair<const PropertyTable::Entry*, Value>> entries;
        while (position_ < list_.size()) {
            ReadName();
            const auto* entry = table_.Find(name_);
            if (entry == nullptr)
                Fail("has no property '" + name_ + "'");
            entries.emplace_back(entry, ReadValue(entry->type));
        }
        return entries;
    }

private:
    // A name is a run of letters, digits and underscores; the byte after it
    // must be the space.
    void ReadName()
    {
        const auto end = std::find_if_not(list_.begin() + position_, list_.end(), IsNameCharacter);
        name_ = std::string(list_.begin() + position_, end);
        if (name_.empty())
            Fail("an entry has no name");
        position_ += name_.size();
        if (position_ == list_.size() || list_[position_] != ' ')
            Fail("the property '" + name_ + "' has no space after its name");
        ++position_;
    }

    static bool IsNameCharacter(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    }

    Value ReadValue(Type type)
    {
        switch (type) {
        case Type::Integer:
            return static_cast<std::int32_t>(ReadBigEndian32());
        case Type::Boolean:
            return ReadBoolean();
        case Type::Color: {
            const auto bytes = Take(3);
            return PropertyTable::Rgb{Byte(bytes[0]) << 16 | Byte(bytes[1]) << 8 | Byte(bytes[2])};
        }
        case Type::String: {
            const std::uint32_t length = ReadBigEndian32();
            if (length > list_.size() - position_)
                Fail("the text of the property '" + name_ + "' runs past the end of the list");
            return std::string(Take(length));
        }
        }
        return {};
    }

    bool ReadBoolean()
    {
        const auto byte = Byte(Take(1)[0]);
        if (byte > 1)
            Fail("the Boolean property '" + name_ + "' has the byte " + std::to_string(byte));
        return byte == 1;
    }

    std::uint32_t ReadBigEndian32()
    {
        const auto bytes = Take(4);
        return Byte(bytes[0]) << 24 | Byte(bytes[1]) << 16 | Byte(bytes[2]) << 8 | Byte(bytes[3]);
    }

    std::string_view Take(std::size_t count)
    {
        if (count > list_.size() - position_)
            Fail("the property '" + name_ + "' is cut off");
        const auto taken = list_.substr(position_, count);
        position_ += count;
        return taken;
    }

    static std::uint32_t Byte(char c) { return static_cast<unsigned char>(c); }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw UsageException("property list of '" + owner_ + "': " + what);
    }

    std::string_view list_;
    const PropertyTable& table_;
    std::string owner_;
    std::size_t position_ = 0;
    std::string name_;
};

} // namespace

void PropertyList::Name(std::string_view name)
{
    bytes_.append(name);
    bytes_.push_back(' ');
}

void PropertyList::BigEndian32(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes_.push_back(static_cast<char>((value >> shift) & 0xFF));
}

PropertyList& PropertyList::Integer(std::string_view name, std::int32_t value)
{
    Name(name);
    BigEndian32(static_cast<std::uint32_t>(value));
    return *this;
}

PropertyList& PropertyList::Boolean(std::string_view name, bool value)
{
    Name(name);
    bytes_.push_back(value ? 1 : 0);
    return *this;
}

PropertyList& PropertyList::Color(std::string_view name, std::uint32_t rgb)
{
    Name(name);
    for (int shift = 16; shift >= 0; shift -= 8)
        bytes_.push_back(static_cast<char>((rgb >> shift) & 0xFF));
    return *this;
}

PropertyList& PropertyList::String(std::string_view name, std::string_view utf8)
{
    Name(name);
    BigEndian32(static_cast<std::uint32_t>(utf8.size()));
    bytes_.append(utf8);
    return *this;
}

void SetProperties(Ref<Object> target, std::string_view list)
{
    auto designable = target.As<Designable>();
    if (designable.IsNil()) {
        (void)*target; // a nil target throws NilObjectException
        throw UsageException("a property list was applied to an object that takes none");
    }
    PropertyTable table(*designable);
    designable->DescribeProperties(table);
    for (const auto& [entry, value] : ListReader(list, table, designable->DesignName()).ReadAll())
        entry->set(value);
}

} // namespace rb
