# Core tests of results.
