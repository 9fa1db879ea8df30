// The object runtime: counting, class records and tables, casts, boxes,
// reflection invokers, delegates and exceptions.
#include "framework/Application.h"
#include "framework/Box.h"
#include "framework/Delegate.h"
#include "framework/Introspection.h"
#include "framework/MenuItem.h"
#include "framework/Property.h"
#include "framework/Window.h"

#include "../../framework/src/NativeClass_p.h"
#include "RaisedBy.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

using namespace fw;
using tolvane::testing::raisedBy;

namespace {

class Animal : public Object {
public:
    using Object::Object;
    static ClassRecord& __Lookup();
    static std::int32_t Legs(Animal*) { return 4; }
    static bool Feed(Animal* animal, Animal* other, std::int32_t amount)
    {
        animal->eaten += amount;
        return other == animal;
    }
    std::int32_t eaten = 0;
};

namespace AnimalSlot {
constexpr Slot<std::int32_t(Animal*)> Legs{0};
}

ClassRecord& Animal::__Lookup()
{
    static ClassRecord& record = defineNativeClass<Animal>({
        .name = "Animal",
        .base = &ObjectClass(),
        .methods = {{.name = "Legs", .signature = "%i4%"}},
        .properties = {},
        .operationCount = 1,
        .operations = {{AnimalSlot::Legs.index, eraseOperation(&Animal::Legs)}},
        .ownFieldSize = 4,
    });
    return record;
}

class Dog final : public Animal {
public:
    using Animal::Animal;
    static std::int32_t ThreeLegs(Animal*) { return 3; }
};

// A class registered at run time the way a program registers its own: the
// base's records and operations first, its own appended.
ClassRecord& dogClass()
{
    static ClassRecord* record = nullptr;
    if (record)
        return *record;
    ClassRecord& base = Animal::__Lookup();
    record = &RuntimeNewClass<Dog>(&base, 2, 0, 0, 0, 1, 1);
    record->name = "Dog";
    record->instanceSize = base.instanceSize + 4;
    record->vtable = RuntimeNewVtable(2);
    record->vtableCount = 2;
    record->vtable[0] = eraseOperation(&Dog::ThreeLegs);
    record->vtable[1] = base.vtable[0];
    PropertyRecord& tail = record->properties[0];
    tail.name = "Tail";
    tail.typeCode = "i4";
    tail.flags = 5;
    tail.fieldOffset = base.instanceSize;
    tail.getter = eraseOperation(&Int32::Get);
    tail.setter = eraseOperation(&Int32::Set);
    tail.boxedGetter = &Int32::Introspection::GetValue;
    tail.boxedSetter = &Int32::Introspection::SetValue;
    return *record;
}

} // namespace

TEST(Ref, CountsReferencesAndReleasesTheLast)
{
    Ref<Object> first = RuntimeNewObject(Animal::__Lookup());
    EXPECT_EQ(first->refCount(), 1u);
    {
        Ref<Object> second = first;
        EXPECT_EQ(first->refCount(), 2u);
        Ref<Object> moved = std::move(second);
        EXPECT_EQ(first->refCount(), 2u);
        EXPECT_FALSE(second);
    }
    EXPECT_EQ(first->refCount(), 1u);

    // Into a reference of a base class, a move hands the count over as well.
    Ref<Animal> animal = RuntimeNewObjectOf<Animal>(Animal::__Lookup());
    Ref<Object> asObject(std::move(animal));
    EXPECT_FALSE(animal);
    EXPECT_EQ(asObject->refCount(), 1u);
    Ref<Animal> another = RuntimeNewObjectOf<Animal>(Animal::__Lookup());
    asObject = std::move(another);
    EXPECT_FALSE(another);
    EXPECT_EQ(asObject->refCount(), 1u);

    Ref<WeakReference> weak = first->weakReference();
    first = nullptr;
    EXPECT_EQ(weak->target(), nullptr);
}

TEST(ClassRecord, InheritsInOrderAndRefusesWhatCannotBeMade)
{
    ClassRecord& dog = dogClass();
    EXPECT_TRUE(dog.isSubclassOf(Animal::__Lookup()));
    EXPECT_FALSE(Animal::__Lookup().isSubclassOf(dog));
    ASSERT_EQ(dog.methods.size(), 2u);
    EXPECT_EQ(dog.methods[0].name, "Legs");
    Ref<Animal> animal = RuntimeNewObjectOf<Animal>(dog);
    EXPECT_EQ(call(animal.get(), AnimalSlot::Legs), 3);
    EXPECT_EQ(operationAt(dog, Slot<std::int32_t(Animal*)>{1})(animal.get()), 4);

    // Calls and creation that cannot be made raise instead of crashing.
    Animal* nobody = nullptr;
    EXPECT_EQ(raisedBy([&] { call(nobody, AnimalSlot::Legs); }), "NilObjectException");
    Ref<Animal> plain = RuntimeNewObjectOf<Animal>(Animal::__Lookup());
    EXPECT_EQ(raisedBy([&] { call(plain.get(), Slot<std::int32_t(Animal*)>{1}); }), "RuntimeException");
    EXPECT_EQ(raisedBy([] { RuntimeNewObject(ObjectClass()); }), "RuntimeException");
}

TEST(Int32Property, ReadsAndWritesTheAppendedFieldAndNothingOutsideTheObject)
{
    ClassRecord& dog = dogClass();
    Ref<Object> object = RuntimeNewObject(dog);
    const PropertyRecord& tail = *dog.findProperty("tail");
    EXPECT_EQ(Int32::Get(object.get(), tail), 0);
    tail.boxedSetter(object.get(), tail, box(std::int32_t{-7}).get());
    EXPECT_EQ(Int32::Get(object.get(), tail), -7);

    PropertyRecord outside = tail;
    outside.fieldOffset = 1000;
    EXPECT_THROW(Int32::Set(object.get(), outside, 1), RaisedException);
}

TEST(RuntimeCheckCast, KeepsNilAndRaisesIllegalCastExceptionForOtherClasses)
{
    EXPECT_EQ(RuntimeCheckCast(nullptr, Animal::__Lookup()), nullptr);
    Ref<Object> animal = RuntimeNewObject(Animal::__Lookup());
    EXPECT_EQ(RuntimeCheckCast(animal.get(), ObjectClass()).get(), animal.get());
    try {
        RuntimeCheckCast(animal.get(), dogClass());
        FAIL() << "an Animal was cast to a Dog";
    } catch (const RaisedException& raised) {
        EXPECT_TRUE(raised.exception()->isKindOf(IllegalCastException::__Lookup()));
        EXPECT_TRUE(raised.exception()->isKindOf(RuntimeException::__Lookup()));
        EXPECT_STREQ(raised.what(), "IllegalCastException: Animal is not a Dog");
    }
}

TEST(Introspection, InvokesWithBoxedArgumentsAndBoxesTheResult)
{
    Ref<Animal> animal = RuntimeNewObjectOf<Animal>(Animal::__Lookup());
    auto legs = Introspection::Invoke<std::int32_t(Animal*)>;
    EXPECT_EQ(unbox<std::int32_t>(legs(eraseOperation(&Animal::Legs), animal.get(), nullptr).get()), 4);

    auto feed = Introspection::Invoke<bool(Animal*, Animal*, std::int32_t)>;
    Ref<ArgumentList> list = arguments({box(Ref<Object>(animal)), box(std::int32_t{5})});
    EXPECT_TRUE(unbox<bool>(feed(eraseOperation(&Animal::Feed), animal.get(), list.get()).get()));
    EXPECT_EQ(animal->eaten, 5);

    EXPECT_THROW(feed(eraseOperation(&Animal::Feed), nullptr, list.get()), RaisedException);
    EXPECT_THROW(feed(eraseOperation(&Animal::Feed), animal.get(), nullptr), RaisedException);
    Ref<ArgumentList> wrong = arguments({box(std::int32_t{1}), box(std::int32_t{5})});
    EXPECT_THROW(feed(eraseOperation(&Animal::Feed), animal.get(), wrong.get()), RaisedException);
}

TEST(Delegate, FlagOneHoldsItsTargetWeakly)
{
    auto routine = +[](Animal*) {};
    auto invoker = +[](Delegate*) {};
    Ref<Object> animal = RuntimeNewObject(Animal::__Lookup());
    Ref<Delegate> weak = RuntimeCreateDelegate(invoker, routine, animal.get(), "( Animal )", 1);
    Ref<Delegate> strong = RuntimeCreateDelegate(invoker, routine, animal.get(), "( Animal )", 0);
    EXPECT_EQ(weak->target(), animal.get());
    EXPECT_EQ(animal->refCount(), 2u); // the strong delegate's, and ours
    Object* raw = animal.get();
    animal = nullptr;
    EXPECT_EQ(strong->target(), raw);
    strong = nullptr;
    EXPECT_EQ(weak->target(), nullptr);
    EXPECT_EQ(weak->codePointer(), eraseOperation(routine));
}

namespace {
Object* seenByFinaliser = reinterpret_cast<Object*>(1);
Ref<WeakReference> finalisedWeakly;
void recordWeakTarget(Object*) { seenByFinaliser = finalisedWeakly->target(); }
} // namespace

TEST(Object, FinalisersSeeWeakReferencesAlreadyEmpty)
{
    ClassRecord& dog = dogClass();
    dog.finalizer = recordWeakTarget;
    Ref<Object> object = RuntimeNewObject(dog);
    finalisedWeakly = object->weakReference();
    object = nullptr;
    dog.finalizer = nullptr;
    EXPECT_EQ(seenByFinaliser, nullptr);
    finalisedWeakly = nullptr;
}

// Reflection finds an operation by its record: each class's operation
// records come first, in slot order, no two alike in name (however spelt) and
// signature, and a subclass keeps its base's operations in their places.
TEST(FrameworkClasses, EachOperationHasItsRecordInSlotOrderUnderAUniqueName)
{
    struct Table {
        const ClassRecord& record;
        std::size_t operations;
        const ClassRecord* base;
    };
    const Table tables[] = {{Window::__Lookup(), WindowSlot::OperationCount, nullptr},
        {Application::__Lookup(), ApplicationSlot::OperationCount, nullptr},
        {MenuItem::__Lookup(), MenuItemSlot::OperationCount, nullptr},
        {MenuBar::__Lookup(), MenuBarSlot::OperationCount, &MenuItem::__Lookup()},
        {QuitMenuItem::__Lookup(), MenuItemSlot::OperationCount, &MenuItem::__Lookup()}};
    auto folded = [](const String& name, const String& signature) {
        std::string text = name.toStdString();
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text + " " + signature.toStdString();
    };
    for (const Table& table : tables) {
        SCOPED_TRACE(table.record.name.toStdString());
        ASSERT_EQ(table.record.vtable.size(), table.operations);
        for (std::size_t slot = 0; slot < table.operations; ++slot)
            EXPECT_NE(table.record.vtable[slot], nullptr) << slot;
        if (table.base) {
            for (std::size_t slot = 0; slot < table.base->vtable.size(); ++slot)
                EXPECT_EQ(table.record.vtable[slot], table.base->vtable[slot]) << slot;
        } else {
            for (std::size_t slot = 0; slot < table.operations; ++slot)
                EXPECT_EQ(table.record.methods[slot].function, table.record.vtable[slot]) << slot;
        }
        std::set<std::string> methods, properties;
        for (const MethodRecord& method : table.record.methods)
            EXPECT_TRUE(methods.insert(folded(method.name, method.signature)).second) << method.name.toStdString();
        for (const PropertyRecord& property : table.record.properties)
            EXPECT_TRUE(properties.insert(folded(property.name, "")).second) << property.name.toStdString();
    }
}
