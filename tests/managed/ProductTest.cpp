// The product classes against the stub VM: each launches its own main class
// from its constructor.
#include <mirobanth/managed/products/MirobanthDescribedProduct.h>
#include <mirobanth/managed/products/MirobanthEffects.h>
#include <mirobanth/managed/products/MirobanthHybrimain.h>
#include <mirobanth/managed/products/MirobanthLayout.h>
#include <mirobanth/managed/products/MirobanthMedorel.h>
#include <mirobanth/managed/products/MirobanthSnaprel.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>
#include <mirobanth/managed/products/MirobanthWarmlet.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ChildProcess.h"
#include "DescriptionFiles.h"
#include "ManagedTestSupport.h"
#include "OutputCapture.h"
#include "SystemFacts.h"
#include "products/MirobanthRecodra.h"
#include "products/MirobanthRemolet.h"

namespace mirobanth::test { namespace {

// The product files lie beside the managed library, which the build puts
// beside the test programs.
const std::string PRODUCT = binaryDirectory();
const std::string TINTAVEL_CLASS_PATH = classPathIn(PRODUCT, TINTAVEL_JARS);

// Public, for the table's rows to name its run.
class ProductTest : public ::testing::Test {
public:
    // Constructs the product (which launches it) and destroys it again;
    // returns the application name it had.
    template <typename Product>
    std::string run(Lines texts) {
        CommandLine arguments(std::move(texts));
        std::string name;
        construction = capture([&] {
            auto product = std::make_unique<Product>(arguments.argc(), arguments.argv());
            name = product->getApplicationName();
            exitValue = product->getExitValue();
        });
        return name;
    }
    // Hybrimain's check for a command line without arguments; returns its value.
    int relaunch(Lines texts) {
        CommandLine arguments(std::move(texts));
        int value = -1;
        construction = capture([&] {
            value =
                MirobanthHybrimain::relaunchIfWithoutArguments(arguments.argc(), arguments.argv());
        });
        return value;
    }
    std::string firstClassLookedUp() const {
        Lines calls = environment.calls();
        return calls.empty() ? "<none>" : calls.front();
    }

    StubVMEnvironment environment;
    CapturedOutput construction;
    int exitValue = -1;
};

TEST_F(ProductTest, TintavelAlwaysImportsSubstance) {
    EXPECT_EQ(run<MirobanthTintavel>({"program"}), "Tintavel");
    EXPECT_EQ(environment.options(), tintavelOptionsIn(PRODUCT, facts::nativeLookAndFeel()));
    EXPECT_EQ(firstClassLookedUp(), "FindClass com/mirobanth/tintavel/Tintavel");
    EXPECT_EQ(exitValue, 0);
    EXPECT_EQ(linesAfter(construction.out, "Tintavel: com/mirobanth/tintavel/Tintavel"),
              launchLines(concatenated({hookupLines(TINTAVEL_CLASS_PATH, libraryPathIn(PRODUCT)),
                                        {"Tintavel: MIROBANTH_JVM override in effect"}}),
                          stubVMPath()));
}

// Each product launches its own main class, with its own jar.
struct ProductCase {
    std::string (ProductTest::*run)(Lines);
    Lines arguments;
    const char* name;
    const char* mainClass;
};

class OneProductTest : public ProductTest, public ::testing::WithParamInterface<ProductCase> {};

TEST_P(OneProductTest, LaunchesItsOwnMainClass) {
    const ProductCase& row = GetParam();
    EXPECT_EQ((this->*row.run)(row.arguments), row.name);
    EXPECT_EQ(firstClassLookedUp(), std::string("FindClass ") + row.mainClass);
    EXPECT_EQ(exitValue, 0);
    std::string jar = row.name;
    std::transform(jar.begin(), jar.end(), jar.begin(), ::tolower);
    EXPECT_EQ(environment.options().at(1),
              classPathIn(PRODUCT, {"mirobanth-runtime.jar", jar + ".jar"}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, OneProductTest, ::testing::Values(
    ProductCase{&ProductTest::run<MirobanthSnaprel>, {"program"}, "Snaprel",
                "com/mirobanth/snaprel/Snaprel"},
    ProductCase{&ProductTest::run<MirobanthEffects>, {"program"}, "MirobanthFX",
                "com/mirobanth/app/fx/MirobanthFX"},
    ProductCase{&ProductTest::run<MirobanthLayout>, {"program"}, "MirobanthLayout",
                "com/mirobanth/app/layout/MirobanthLayout"},
    ProductCase{&ProductTest::run<MirobanthMedorel>, {"program"}, "Medorel",
                "com/mirobanth/hybrid/media/Medorel"},
    ProductCase{&ProductTest::run<MirobanthWarmlet>, {"program"}, "Warmlet",
                "com/mirobanth/app/warmlet/Warmlet"},
    // Without the application switch Hybrimain runs its own program.
    ProductCase{&ProductTest::run<MirobanthHybrimain>, {"program", "myapp.xml"}, "Hybrimain",
                "com/mirobanth/hybrid/app/Hybrimain"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ProductTest, HybrimainApplicationSwitchRunsTheRuntimeAndReachesJava) {
    run<MirobanthHybrimain>({"program", "-app", "com.example.App", "myapp.xml"});
    EXPECT_EQ(firstClassLookedUp(), "FindClass com/mirobanth/ds/runtime/DSR");
    Lines calls = environment.calls();
    EXPECT_EQ(linesAfter(calls, "NewObjectArray 3 java/lang/String"),
              (Lines{"NewString " + hexUnits(u"-app"), "SetObjectArrayElement 0",
                     "NewString " + hexUnits(u"com.example.App"), "SetObjectArrayElement 1",
                     "NewString " + hexUnits(u"myapp.xml"), "SetObjectArrayElement 2",
                     "CallStaticVoidMethod com/mirobanth/ds/runtime/DSR main array",
                     "DetachCurrentThread", "DestroyJavaVM"}));
}

TEST_F(ProductTest, HybrimainWithoutEvenAProgramNameOnlyShowsUsage) {
    std::unique_ptr<MirobanthHybrimain> product;
    CapturedOutput output =
        capture([&] { product = std::make_unique<MirobanthHybrimain>(0, nullptr); });
    EXPECT_EQ(lines(output.out).back(), "Usage: Hybrimain [-app com.ExampleApp] myapp.xml");
    EXPECT_EQ(environment.record(), Lines{});
    EXPECT_FALSE(product->isAutoResolvingClass());
    capture([&] { product.reset(); });
}

const Lines RELAUNCHED = {"No arguments, attempting to load app/application.xml",
                          "ran [app/application.xml]"};

TEST_F(ProductTest, HybrimainRelaunchesItselfWithTheDefaultApplicationFile) {
    EXPECT_EQ(relaunch({programPath("argument_echo")}), 1);
    EXPECT_EQ(lines(construction.out), RELAUNCHED);
    EXPECT_EQ(environment.record(), Lines{});
}

TEST_F(ProductTest, HybrimainRelaunchesAProgramWhosePathHasBlanks) {
    TemporaryFolder folder;
    std::string program = copyProgram("argument_echo", folder.path() + "/my tools", "hybrimain");
    relaunch({program});
    EXPECT_EQ(lines(construction.out), RELAUNCHED);
}

TEST_F(ProductTest, HybrimainWithArgumentsIsLaunchedAndDestroyed) {
    EXPECT_EQ(relaunch({"program", "myapp.xml"}), 0);
    EXPECT_EQ(firstClassLookedUp(), "FindClass com/mirobanth/hybrid/app/Hybrimain");
    EXPECT_EQ(lines(construction.out).back(), "Hybrimain: <FINALIZE>");
}

TEST_F(ProductTest, RecodraShowsItsArgumentsAndRunsNoJava) {
    EXPECT_EQ(run<MirobanthRecodra>({"program", "x"}), "Recodra");
    EXPECT_EQ(linesAfter(construction.out, "Recodra: No delegate used"),
              (Lines{"Recodra: recodra is running", "Recodra: <FINALIZE>", "Recodra: <FINALIZE>"}));
    EXPECT_EQ(construction.err, facts::alertTrace("Recodra", "Arguments: program x"));
    EXPECT_EQ(environment.record(), Lines{});
    EXPECT_EQ(exitValue, 1);
}

TEST_F(ProductTest, RemoletNamesItselfAndRunsNoJava) {
    EXPECT_EQ(run<MirobanthRemolet>({"program"}), "Remolet");
    EXPECT_EQ(linesAfter(construction.out, "Remolet: No delegate used").front(),
              "Remolet: recodra is running");
    EXPECT_EQ(construction.err, facts::alertTrace("Remolet", "MirobanthRemolet"));
    EXPECT_EQ(environment.record(), Lines{});
}

TEST_F(ProductTest, LaunchReturnsTheProductsExitValue) {
    CommandLine arguments({"program"});
    const auto launch = [&] {
        int value = -1;
        capture([&] {
            value = application::Application::launch(
                new MirobanthTintavel(arguments.argc(), arguments.argv()));
        });
        return value;
    };
    EXPECT_EQ(launch(), 0);
    environment.set("MIROBANTH_STUBVM_THROW", "1");
    EXPECT_EQ(launch(), 1);
}

// The description's look and feel is the default that the switches change;
// its version and vendor are the product's.
TEST_F(ProductTest, ADescribedProductsLookAndFeelIsTheDefaultOfTheSwitches) {
    managed::DescribedLaunch described;
    described.product = managed::readProductDescription(
                            "vendor = The jEdit team\nversion = 5.5\nmain-class = org.example.App\n"
                            "look-and-feel = gemini",
                            "jEdit.cfg", PRODUCT, "jEdit")
                            .product;
    CommandLine plain({"jEdit"}), switched({"jEdit", "-Xnative"});
    capture([&] {
        MirobanthDescribedProduct product(described, plain.argc(), plain.argv());
        EXPECT_EQ(product.getVersion(), "5.5");
        EXPECT_EQ(product.getCompany(), "The jEdit team");
        MirobanthDescribedProduct{described, switched.argc(), switched.argv()};
    });
    const Lines options = environment.options();
    EXPECT_EQ(options.at(4),
              "-Dswing.defaultlaf=org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel");
    EXPECT_EQ(options.at(12), "-Dswing.defaultlaf=" + facts::nativeLookAndFeel());
}

}}  // namespace mirobanth::test
